#include "help/HelpLinks.h"

#include <QUrl>

#include "help/FaqTexts.h"
#include "help/WebAddresses.h"

namespace quorvane {

HelpLinks::HelpLinks(const HelpControls& c, Operator& person, std::string notesUrl,
                     ReleaseNotes::Fetch fetch)
    : person_(person), notes_(person, std::move(notesUrl), std::move(fetch)), export_(person) {
  for (size_t i = 0; i < kFaqEntries.size(); ++i) {
    const QString answer = QString::fromUtf8(kFaqEntries[i].answer);
    connect(c.faq[i], &LinkLabel::Pressed, this, [this, answer] { person_.ShowMessage(answer); });
  }
  connect(c.releaseNotes, &LinkLabel::Pressed, &notes_, &ReleaseNotes::ShowReleaseNotes);
  connect(c.companionApp, &LinkLabel::Pressed, this, [this] { export_.ExportCompanionApp(); });
  // A desktop without a browser leaves the link without effect, as a link does.
  connect(c.bemfaDocumentation, &LinkLabel::Pressed, this,
          [this] { person_.OpenAddress(QUrl(QString::fromUtf8(kBemfaDocumentationUrl))); });
  connect(c.bemfaHome, &LinkLabel::Pressed, this,
          [this] { person_.OpenAddress(QUrl(QString::fromUtf8(kBemfaHomeUrl))); });
}

}  // namespace quorvane
