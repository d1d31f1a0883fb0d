#pragma once

#include <QLabel>
#include <QString>

namespace quorvane {

// Names a control after its member and puts it at its place in the layout.
template <class W>
W* Place(W* widget, const char* name, int x, int y, int w, int h) {
  widget->setObjectName(QString::fromUtf8(name));
  widget->setGeometry(x, y, w, h);
  return widget;
}

// A label that never reads its caption as markup.
inline QLabel* PlainLabel(QWidget* parent, const QString& caption) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setText(caption);
  return label;
}

}  // namespace quorvane

// The member and its objectName come from one spelling, so they cannot drift apart.
#define QUORVANE_AT(member, widget, x, y, w, h) \
  (member = ::quorvane::Place(widget, #member, x, y, w, h))
