#pragma once

#include <QLabel>
#include <QPushButton>

#include "maintenance/BoardAccess.h"
#include "maintenance/SmallWindow.h"
#include "text/ByteLimitedLineEdit.h"

namespace quorvane {

// Tells the board to join another WiFi network; the board's "wifi_ok" arrives as an answer.
class WifiWindow : public SmallWindow {
  Q_OBJECT
 public:
  explicit WifiWindow(BoardAccess access);

  // The button; Enter is not bound here.
  void SendWifi();

  QLabel* 标签3;
  QLabel* 标签1;
  ByteLimitedLineEdit* 编辑框1;  // SSID
  QLabel* 标签2;
  ByteLimitedLineEdit* 编辑框2;  // WiFi password, shown as typed
  QPushButton* 按钮1;

 private:
  BoardAccess access_;
};

}  // namespace quorvane
