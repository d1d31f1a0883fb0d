#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <cstdio>
#include <fstream>
#include <string>

// Ends the process at the first paint of the window, printing "shown" and the peak memory in kB,
// so that the parent can time the start from exec to the first frame.
class ShownProbe : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !done_) {
      done_ = true;
      std::printf("shown %ld\n", PeakKilobytes());
      std::fflush(stdout);
      std::_Exit(0);
    }
    return false;
  }

 private:
  static long PeakKilobytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
      if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
  }
  bool done_ = false;
};
