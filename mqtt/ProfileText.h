#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// The INI profile-file convention over the bytes of a whole file: "[section]" lines, then
// "key=value" lines. Section and key names match without regard to ASCII letter case; lines
// may end in CR LF or LF; a line starting with ";" is a comment.

inline constexpr size_t kMaxProfileValueBytes = 10239;

// The value after the first "=" of the key's line, blanks around it removed, one pair of
// matching quotes stripped, at most kMaxProfileValueBytes bytes; nothing when the section or
// the key is missing.
std::optional<std::string> ReadProfileValue(std::string_view file, std::string_view section,
                                            std::string_view key);

// The file with key=value set: an existing key line is replaced in place, a missing key is
// added after the last entry of its section, a missing section is added at the end of the
// file. New lines end in CR LF; every other line stays byte for byte.
std::string WriteProfileValue(std::string_view file, std::string_view section, std::string_view key,
                              std::string_view value);

}  // namespace quorvane
