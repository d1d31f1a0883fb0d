#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quorvane {

// Cuts a GBK text into fields at a one-byte separator. A double-byte character is never cut,
// even when its trail byte equals the separator; empty fields between separators count; an
// empty remainder after the last separator is not a field. Fields are returned in order.
std::vector<std::string> SplitText(std::string_view text, char separator);

}  // namespace quorvane
