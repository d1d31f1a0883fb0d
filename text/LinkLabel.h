#pragma once

#include <QLabel>

namespace quorvane {

// A label drawn as a hyperlink that reports a left-button press; what it opens is the owner's.
class LinkLabel : public QLabel {
  Q_OBJECT
 public:
  explicit LinkLabel(const QString& caption, QWidget* parent = nullptr);

 signals:
  void Pressed();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace quorvane
