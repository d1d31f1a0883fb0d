// GBK both ways: decoding never fails, and what encodes decodes back to itself.
#include <cstddef>
#include <cstdint>
#include <string>

#include "text/Gbk.h"

using namespace quorvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string utf8 = GbkToUtf8(bytes);
  if (auto gbk = Utf8ToGbk(utf8)) (void)GbkToUtf8(*gbk);
  if (auto gbk = Utf8ToGbk(bytes)) {
    if (GbkToUtf8(*gbk) != bytes) __builtin_trap();
  }
  (void)Utf8ToGbkReplacing(bytes);
  return 0;
}
