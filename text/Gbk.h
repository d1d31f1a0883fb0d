#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// GBK bytes to UTF-8. Never fails: a byte sequence that is not GBK, including a lead byte
// at the very end, becomes U+FFFD and decoding goes on after it.
std::string GbkToUtf8(std::string_view gbk);

// UTF-8 to GBK bytes; nothing when any character has no GBK form (so nothing is ever
// silently replaced on the wire), and nothing when the C library has no GBK converter.
std::optional<std::string> Utf8ToGbk(std::string_view utf8);

// UTF-8 to GBK bytes where whatever GBK lacks, and every byte that is not UTF-8, becomes the
// replacement, as the platform converter of the notes' origin does.
std::string Utf8ToGbkReplacing(std::string_view utf8, char replacement = '?');

}  // namespace quorvane
