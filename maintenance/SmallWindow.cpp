#include "maintenance/SmallWindow.h"

namespace quorvane {

SmallWindow::SmallWindow(const char* name, const QString& caption, QSize size) : QDialog(nullptr) {
  setObjectName(QString::fromUtf8(name));
  setWindowTitle(caption);
  setFixedSize(size);
  setWindowModality(Qt::ApplicationModal);
}

QPushButton* SmallWindow::Button(const QString& caption) {
  auto* button = new QPushButton(caption, this);
  // A dialog's buttons take Enter by default; here only the boxes that say so react to it.
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

}  // namespace quorvane
