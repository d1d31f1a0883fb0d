#pragma once

#include <QString>

#include "app/MainScreen.h"
#include "link/DeviceLink.h"
#include "mqtt/TimeStamps.h"
#include "operator/QtOperator.h"
#include "settings/SystemHostAddresses.h"

namespace quorvane {

// The program's own parts as it runs: the person at the screen, the machine's services, the
// one UDP link (bound with the window; a failed bind only makes every send fail) and the main
// screen, with every received datagram handed to it.
class Program {
 public:
  explicit Program(const QString& templatePath);

  QtOperator person;
  SystemHostAddresses host;
  SystemClock clock;
  DeviceLink 数据报1;
  MainScreen screen;
};

}  // namespace quorvane
