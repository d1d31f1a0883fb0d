#include "link/Ipv4Text.h"

namespace quorvane {

bool IsDottedIpv4(std::string_view text) {
  int parts = 0;
  size_t i = 0;
  while (true) {
    size_t digits = 0;
    int value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9' && digits < 4) {
      value = value * 10 + (text[i] - '0');
      ++digits;
      ++i;
    }
    if (digits == 0 || digits > 3 || value > 255) return false;
    ++parts;
    if (i == text.size()) return parts == 4;
    if (text[i] != '.' || parts == 4) return false;
    ++i;
  }
}

bool IsSingleHostAddress(std::string_view dotted) {
  if (!IsDottedIpv4(dotted)) return false;
  int first = 0;
  for (size_t i = 0; i < dotted.size() && dotted[i] != '.'; ++i)
    first = first * 10 + (dotted[i] - '0');
  return first != 0 && first < 224;
}

}  // namespace quorvane
