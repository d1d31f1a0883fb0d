#pragma once

#include <QLabel>
#include <QPushButton>

#include "maintenance/BoardAccess.h"
#include "maintenance/SmallWindow.h"
#include "text/ByteLimitedLineEdit.h"

namespace quorvane {

// Sends the board's access password for checking; the board's verdict arrives as an answer.
class PasswordWindow : public SmallWindow {
  Q_OBJECT
 public:
  explicit PasswordWindow(BoardAccess access);

  // The button and Enter in the password box.
  void SendPassword();

  QLabel* 标签1;
  ByteLimitedLineEdit* 编辑框1;  // the password, shown as typed
  QPushButton* 按钮1;
  QLabel* 标签2;

 private:
  BoardAccess access_;
};

}  // namespace quorvane
