// Whatever answers on the LAN: reply recognition, splitting, search answers, version rule.
#include <cstddef>
#include <cstdint>
#include <string>

#include "link/Ipv4Text.h"
#include "link/Reply.h"
#include "link/SearchAnswer.h"
#include "link/SplitText.h"

using namespace quorvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view datagram(reinterpret_cast<const char*>(data), size);
  const std::string_view text = TextOfDatagram(datagram);
  if (text.find('\0') != std::string_view::npos) __builtin_trap();
  (void)ClassifyReply(text);
  for (char separator : {',', '|'}) {
    size_t joined = 0;
    for (const std::string& field : SplitText(text, separator)) joined += field.size() + 1;
    if (joined > text.size() + 1) __builtin_trap();  // fields never invent bytes
  }
  if (auto answer = ParseSearchAnswer(text)) {
    if (answer->id.size() > kMaxSearchCellBytes || answer->ip.size() > kMaxSearchCellBytes) {
      __builtin_trap();
    }
    (void)SupportsParameterRead(answer->version);
    (void)IsSingleHostAddress(answer->ip);
  }
  return 0;
}
