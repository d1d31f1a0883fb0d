#include "help/ReleaseNotes.h"

#include <QThread>
#include <QUrl>
#include <memory>

#include "help/NotesText.h"
#include "text/GbkText.h"

namespace quorvane {

std::string NotesRequestUrl(const QString& configured) {
  return QUrl(configured).toEncoded().toStdString();
}

ReleaseNotes::ReleaseNotes(Operator& person, std::string url, Fetch fetch)
    : person_(person), url_(std::move(url)), fetch_(std::move(fetch)) {}

void ReleaseNotes::ShowReleaseNotes() {
  auto notes = std::make_shared<std::string>();
  QThread* worker = QThread::create([notes, url = url_, fetch = fetch_] {
    const std::string body = fetch(url);
    *notes = DecodeNotesText(std::string_view(body).substr(0, body.find('\0')));
  });
  // Back on this thread once the worker is done; dropped if the screen is gone by then.
  connect(worker, &QThread::finished, this, [this, notes] {
    person_.ShowOwnerlessMessage(FromGbk(*notes));
    emit NotesShown();
  });
  connect(worker, &QThread::finished, worker, &QObject::deleteLater);
  worker->start();
}

}  // namespace quorvane
