#include "text/LinkLabel.h"

#include <QMouseEvent>

namespace quorvane {

LinkLabel::LinkLabel(const QString& caption, QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setText(caption);
  QFont f = font();
  f.setUnderline(true);
  setFont(f);
  QPalette p = palette();
  p.setColor(QPalette::WindowText, QColor(0, 0, 238));
  setPalette(p);
  setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit Pressed();
  QLabel::mousePressEvent(event);
}

}  // namespace quorvane
