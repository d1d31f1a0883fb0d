#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <csignal>

#include "app/QuitOnTerminationSignals.h"

namespace quorvane {

namespace {

int writeEnd = -1;

// Only async-signal-safe work here: one byte into the pipe; the event loop does the rest.
void OnSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
}

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

}  // namespace

QuitOnTerminationSignals::QuitOnTerminationSignals() {
  if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) return;  // then the signals act as before
  writeEnd = pipe_[1];
  notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
    char bytes[16];
    while (::read(pipe_[0], bytes, sizeof bytes) > 0) {
    }
    QCoreApplication::quit();
  });
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : kSignals) ::sigaction(signal, &action, nullptr);
}

QuitOnTerminationSignals::~QuitOnTerminationSignals() {
  if (pipe_[0] < 0) return;
  for (int signal : kSignals) std::signal(signal, SIG_DFL);
  notifier_.reset();
  writeEnd = -1;
  ::close(pipe_[0]);
  ::close(pipe_[1]);
}

}  // namespace quorvane
