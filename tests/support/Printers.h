#pragma once

#include <QByteArray>
#include <QString>
#include <ostream>

// Readable failures for Qt's string types.
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
  *os << "bytes \"" << bytes.toStdString() << "\" (" << bytes.toHex().toStdString() << ")";
}
