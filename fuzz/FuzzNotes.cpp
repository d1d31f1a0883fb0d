// A release-notes text from a server.
#include <cstddef>
#include <cstdint>
#include <string>

#include "help/NotesText.h"

using namespace quorvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string notes =
      DecodeNotesText(std::string_view(reinterpret_cast<const char*>(data), size));
  if (notes.find('\0') != std::string::npos) __builtin_trap();
  return 0;
}
