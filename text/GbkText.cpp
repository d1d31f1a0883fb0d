#include "text/GbkText.h"

#include "text/Gbk.h"

namespace quorvane {

QString FromGbk(const std::string& gbk) { return QString::fromStdString(GbkToUtf8(gbk)); }

std::optional<std::string> ToGbk(const QString& text) { return Utf8ToGbk(text.toStdString()); }

std::optional<qsizetype> GbkByteCount(const QString& text) {
  auto bytes = ToGbk(text);
  if (!bytes) return std::nullopt;
  return static_cast<qsizetype>(bytes->size());
}

}  // namespace quorvane
