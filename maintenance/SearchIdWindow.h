#pragma once

#include <QLabel>
#include <QPushButton>

#include "maintenance/BoardAccess.h"
#include "maintenance/SmallWindow.h"
#include "text/ByteLimitedLineEdit.h"

namespace quorvane {

// Selects the first row of the device list whose ID is exactly the typed one. It only selects:
// the board's settings are read by a click in the list, never from here.
class SearchIdWindow : public SmallWindow {
  Q_OBJECT
 public:
  explicit SearchIdWindow(BoardAccess access);

  // The button; Enter is not bound here.
  void SearchId();

  QLabel* 标签1;
  ByteLimitedLineEdit* 编辑框1;
  QPushButton* 按钮1;

 private:
  BoardAccess access_;
};

}  // namespace quorvane
