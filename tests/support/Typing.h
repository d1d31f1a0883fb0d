#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace quorvane {

// Types text into a widget one character at a time (a surrogate pair counts as one), as a
// keyboard or an input method delivers it. QTest::keyClicks only knows ASCII.
inline void TypeText(QWidget* widget, const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    const QString character = text.mid(i, length);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
    i += length - 1;
  }
}

}  // namespace quorvane
