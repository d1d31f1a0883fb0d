#include "link/SplitText.h"

namespace quorvane {

std::vector<std::string> SplitText(std::string_view text, char separator) {
  std::vector<std::string> fields;
  size_t start = 0;
  size_t i = 0;
  while (i < text.size()) {
    auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= 0x80) {
      if (i + 1 >= text.size()) break;  // a lead byte with no trail ends the scan
      i += 2;
      continue;
    }
    if (text[i] == separator) {
      fields.emplace_back(text.substr(start, i - start));
      start = i + 1;
    }
    ++i;
  }
  if (start < text.size()) fields.emplace_back(text.substr(start));
  return fields;
}

}  // namespace quorvane
