#pragma once

#include <QObject>
#include <array>

#include "help/CompanionExport.h"
#include "help/ReleaseNotes.h"
#include "operator/Operator.h"
#include "text/LinkLabel.h"

namespace quorvane {

// The links the help owns: the nine questions, the release notes, the companion app (home
// page) and the two Bemfa pages.
struct HelpControls {
  std::array<LinkLabel*, 9> faq{};  // in the order of kFaqEntries
  LinkLabel* releaseNotes = nullptr;
  LinkLabel* companionApp = nullptr;
  LinkLabel* bemfaDocumentation = nullptr;
  LinkLabel* bemfaHome = nullptr;
};

class HelpLinks : public QObject {
  Q_OBJECT
 public:
  HelpLinks(const HelpControls& controls, Operator& person, std::string notesUrl,
            ReleaseNotes::Fetch fetch);

  ReleaseNotes& Notes() { return notes_; }

 private:
  Operator& person_;
  ReleaseNotes notes_;
  CompanionExport export_;
};

}  // namespace quorvane
