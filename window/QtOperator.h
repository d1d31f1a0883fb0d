#pragma once

#include <QPointer>
#include <QWidget>

#include "window/Operator.h"

namespace quorvane {

// The person at the screen, through Qt's message boxes.
class QtOperator : public Operator {
 public:
  void SetParentWindow(QWidget* window) { parent_ = window; }

  void ShowMessage(const QString& text, const QString& caption = DefaultCaption(),
                   Icon icon = Icon::None) override;
  bool Confirm(const QString& text, const QString& caption) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace quorvane
