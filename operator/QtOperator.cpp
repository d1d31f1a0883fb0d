#include "operator/QtOperator.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>

#include "operator/RevealInFileManager.h"

namespace quorvane {

namespace {

int RunBox(QWidget* parent, const QString& text, const QString& caption, QMessageBox::Icon icon,
           QMessageBox::StandardButtons buttons) {
  QMessageBox box(icon, caption, text, buttons, parent);
  box.setTextFormat(Qt::PlainText);  // board and server texts must never become markup
  return box.exec();
}

}  // namespace

void QtOperator::ShowMessage(const QString& text, const QString& caption, Icon icon) {
  RunBox(parent_, text, caption, icon == Icon::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
         QMessageBox::Ok);
}

void QtOperator::ShowOwnerlessMessage(const QString& text, const QString& caption) {
  auto* box = new QMessageBox(QMessageBox::NoIcon, caption, text, QMessageBox::Ok, nullptr);
  box->setTextFormat(Qt::PlainText);
  box->setWindowModality(Qt::NonModal);
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->show();
}

bool QtOperator::Confirm(const QString& text, const QString& caption) {
  return RunBox(parent_, text, caption, QMessageBox::NoIcon,
                QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

int QtOperator::RunModal(QDialog& window) { return window.exec(); }

std::optional<QString> QtOperator::ChooseSaveFile(const SaveFileRequest& request) {
  QFileDialog dialog(parent_, request.title);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setDefaultSuffix(request.defaultExtension);
  dialog.setNameFilter(request.filter);
  dialog.selectFile(request.proposedName);
  // The dialog itself asks before an existing file is overwritten.
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

QAction* QtOperator::ChooseFromMenu(QMenu& menu, const QPoint& at) { return menu.exec(at); }

bool QtOperator::SetClipboardText(const QString& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard) return false;
  clipboard->setText(text);
  return true;
}

bool QtOperator::OpenAddress(const QUrl& address) { return QDesktopServices::openUrl(address); }

bool QtOperator::RevealFile(const QString& path) { return RevealInFileManager(path); }

}  // namespace quorvane
