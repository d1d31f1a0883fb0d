#include "window/QtOperator.h"

#include <QMessageBox>

namespace quorvane {

namespace {

int RunBox(QWidget* parent, const QString& text, const QString& caption,
           QMessageBox::Icon icon, QMessageBox::StandardButtons buttons) {
  QMessageBox box(icon, caption, text, buttons, parent);
  box.setTextFormat(Qt::PlainText);  // board and server texts must never become markup
  return box.exec();
}

}  // namespace

void QtOperator::ShowMessage(const QString& text, const QString& caption, Icon icon) {
  RunBox(parent_, text, caption, icon == Icon::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
         QMessageBox::Ok);
}

bool QtOperator::Confirm(const QString& text, const QString& caption) {
  return RunBox(parent_, text, caption, QMessageBox::NoIcon,
                QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

}  // namespace quorvane
