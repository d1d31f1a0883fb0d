#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace quorvane {

// While it lives, SIGTERM, SIGINT and SIGHUP quit the application's event loop, so the program
// ends as through its exit button (exit status 0) instead of being cut off. Create it on the
// main thread after the application object.
class QuitOnTerminationSignals : public QObject {
 public:
  QuitOnTerminationSignals();
  ~QuitOnTerminationSignals() override;

 private:
  int pipe_[2] = {-1, -1};
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace quorvane
