#include "help/NotesText.h"

#include <cstdio>

#include "text/Gbk.h"

namespace quorvane {

std::string DecodeNotesText(std::string_view text) {
  std::string bytes;
  for (size_t i = 0; i < text.size();) {
    if (text[i] == '%') {
      const std::string digits(text.substr(i + 1, 2));
      unsigned int value = 0;
      // C's own "%x", so blanks, signs and "0x" are read exactly as the notes' tools read them.
      if (std::sscanf(digits.c_str(), "%x", &value) == 1) {
        bytes.push_back(static_cast<char>(value & 0xFF));
        i += 1 + digits.size();
        continue;
      }
      bytes.push_back('%');
      ++i;
    } else {
      bytes.push_back(text[i] == '+' ? ' ' : text[i]);
      ++i;
    }
  }
  return Utf8ToGbkReplacing(std::string_view(bytes).substr(0, bytes.find('\0')));
}

}  // namespace quorvane
