#pragma once

#include <QByteArray>
#include <QString>
#include <ostream>

// Readable failures for Qt's string types.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
  *os << "bytes \"" << bytes.toStdString() << "\" (" << bytes.toHex().toStdString() << ")";
}

#include <QStringList>
#include <initializer_list>

// A list of screen texts written as UTF-8 literals in a test.
inline QStringList Strings(std::initializer_list<const char*> items) {
  QStringList out;
  for (const char* item : items) out << QString::fromUtf8(item);
  return out;
}

#include <QJsonDocument>
#include <QJsonObject>

inline void PrintTo(const QJsonObject& object, std::ostream* os) {
  *os << QJsonDocument(object).toJson(QJsonDocument::Compact).toStdString();
}
