#pragma once

#include <string>
#include <string_view>

namespace quorvane {

// A fetched release-notes text as GBK: "%" escapes read as C's "%x" reads up to two
// characters (the lowest 8 bits written; "%00" ends the text), "+" as a space, the result
// taken as UTF-8 and converted to GBK with "?" for what GBK lacks.
std::string DecodeNotesText(std::string_view text);

}  // namespace quorvane
