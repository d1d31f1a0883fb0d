#pragma once

#include <QString>
#include <optional>
#include <string>

// The two edges where screen text (QString) meets wire and file text (GBK bytes).
namespace quorvane {

QString FromGbk(const std::string& gbk);
std::optional<std::string> ToGbk(const QString& text);

// Bytes the text takes in GBK; nothing when it cannot be encoded.
std::optional<qsizetype> GbkByteCount(const QString& text);

}  // namespace quorvane
