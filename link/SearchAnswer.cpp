#include "link/SearchAnswer.h"

#include <string>

#include "link/SplitText.h"

namespace quorvane {

std::optional<SearchAnswer> ParseSearchAnswer(std::string_view text) {
  auto fields = SplitText(text, ',');
  if (fields.size() < 3) return std::nullopt;
  SearchAnswer answer;
  answer.id = fields[1];
  answer.ip = fields[2];
  if (fields.size() >= 4) answer.version = fields[3];
  for (const std::string* cell : {&answer.id, &answer.ip, &answer.version}) {
    if (cell->size() > kMaxSearchCellBytes) return std::nullopt;
  }
  answer.prohibited = fields.size() >= 5 && fields[4] == "1";
  return answer;
}

namespace {

// GBK full-width digits are A3 B0 .. A3 B9; the ideographic space is A1 A1.
int DigitAt(std::string_view s, size_t i, size_t& width) {
  auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
  if (i < s.size() && b(i) >= '0' && b(i) <= '9') {
    width = 1;
    return b(i) - '0';
  }
  if (i + 1 < s.size() && b(i) == 0xA3 && b(i + 1) >= 0xB0 && b(i + 1) <= 0xB9) {
    width = 2;
    return b(i + 1) - 0xB0;
  }
  return -1;
}

bool BlankAt(std::string_view s, size_t i, size_t& width) {
  if (i < s.size() && (s[i] == ' ' || s[i] == '\t')) {
    width = 1;
    return true;
  }
  if (i + 1 < s.size() && static_cast<unsigned char>(s[i]) == 0xA1 &&
      static_cast<unsigned char>(s[i + 1]) == 0xA1) {
    width = 2;
    return true;
  }
  return false;
}

}  // namespace

double ParseVersionNumber(std::string_view s) {
  size_t i = 0;
  size_t width = 0;
  while (BlankAt(s, i, width)) i += width;
  double sign = 1;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    if (s[i] == '-') sign = -1;
    ++i;
  }
  double value = 0;
  bool anyDigit = false;
  for (int d; (d = DigitAt(s, i, width)) >= 0; i += width) {
    value = value * 10 + d;
    anyDigit = true;
  }
  if (i < s.size() && s[i] == '.') {
    ++i;
    double scale = 0.1;
    for (int d; (d = DigitAt(s, i, width)) >= 0; i += width, scale /= 10) {
      value += d * scale;
      anyDigit = true;
    }
  }
  return anyDigit ? sign * value : 0;
}

bool SupportsParameterRead(std::string_view versionGbk) {
  return ParseVersionNumber(versionGbk) - 2.0 >= -0.0000001;
}

}  // namespace quorvane
