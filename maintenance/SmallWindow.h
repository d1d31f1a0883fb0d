#pragma once

#include <QDialog>
#include <QPushButton>
#include <QSize>

namespace quorvane {

// The base of the maintenance windows: a fixed-size modal window of its own (no parent), made
// afresh for every opening, whose buttons the Enter key never presses by itself.
class SmallWindow : public QDialog {
  Q_OBJECT
 protected:
  SmallWindow(const char* name, const QString& caption, QSize size);

  QPushButton* Button(const QString& caption);
};

}  // namespace quorvane
