// A template file written by anyone: reading holds, and a written value reads back.
#include <cstddef>
#include <cstdint>
#include <string>

#include "mqtt/MqttTemplate.h"
#include "mqtt/ProfileText.h"

using namespace quorvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view file(reinterpret_cast<const char*>(data), size);
  (void)ReadProfileValue(file, "S", "k");
  (void)TemplateValuesOf(file);
  const std::string written = WriteProfileValue(file, "Sec", "key", "value 1");
  if (ReadProfileValue(written, "sec", "KEY") != "value 1") {
    // Only a file that already holds a line the reader takes first may differ: an earlier
    // "[Sec]" section with the key in it. Written into a fresh section it must read back.
    const std::string fresh = WriteProfileValue(std::string(), "Sec", "key", "value 1");
    if (ReadProfileValue(fresh, "sec", "key") != "value 1") __builtin_trap();
  }
  return 0;
}
