#pragma once

#include <QPointer>
#include <QWidget>

#include "operator/Operator.h"

namespace quorvane {

// The person at the screen, through Qt's message boxes, dialogs, clipboard and desktop services.
class QtOperator : public Operator {
 public:
  void SetParentWindow(QWidget* window) { parent_ = window; }

  void ShowMessage(const QString& text, const QString& caption = DefaultCaption(),
                   Icon icon = Icon::None) override;
  void ShowOwnerlessMessage(const QString& text,
                            const QString& caption = DefaultCaption()) override;
  bool Confirm(const QString& text, const QString& caption) override;
  int RunModal(QDialog& window) override;
  std::optional<QString> ChooseSaveFile(const SaveFileRequest& request) override;
  QAction* ChooseFromMenu(QMenu& menu, const QPoint& at) override;
  bool SetClipboardText(const QString& text) override;
  bool OpenAddress(const QUrl& address) override;
  bool RevealFile(const QString& path) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace quorvane
