#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "maintenance/BoardAccess.h"
#include "maintenance/SmallWindow.h"
#include "text/ByteLimitedLineEdit.h"

namespace quorvane {

// Sets the board's prohibit flag and, when one is typed, a new access password. Opened by the
// board's acceptance of the access password.
class ProhibitWindow : public SmallWindow {
  Q_OBJECT
 public:
  static constexpr int kNewPasswordBytes = 4;
  // Between the two datagrams, as the boards expect.
  static constexpr unsigned long kPauseMs = 100;

  explicit ProhibitWindow(BoardAccess access);

  // The button and Enter in the new-password box.
  void SendProhibit();

  QCheckBox* 选择框1;
  QLabel* 标签1;
  ByteLimitedLineEdit* 编辑框1;  // the new password; empty keeps the board's
  QLabel* 标签2;
  QPushButton* 按钮1;

 private:
  BoardAccess access_;
};

}  // namespace quorvane
