#pragma once

#include <QObject>
#include <functional>
#include <string>

#include "operator/Operator.h"

namespace quorvane {

// Fetches the release notes on a worker thread of its own per press and shows them in a box
// that waits for nobody. The worker touches no window and no shared state: it fetches and
// decodes; the box is made on the user-interface thread once the text is there.
class ReleaseNotes : public QObject {
  Q_OBJECT
 public:
  // The request: URL in, body out; called on the worker thread.
  using Fetch = std::function<std::string(const std::string& url)>;

  ReleaseNotes(Operator& person, std::string url, Fetch fetch);

  // Returns at once.
  void ShowReleaseNotes();

 signals:
  // Once a worker has shown its text (for whoever waits on it).
  void NotesShown();

 private:
  Operator& person_;
  std::string url_;
  Fetch fetch_;
};

// The notes' address as sent: the configured URL with its path percent-encoded as UTF-8.
std::string NotesRequestUrl(const QString& configured);

}  // namespace quorvane
