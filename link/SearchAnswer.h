#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// What a search answer tells about one board; texts are the received GBK bytes, unchanged.
struct SearchAnswer {
  std::string id;           // field 2
  std::string ip;           // field 3
  std::string version;      // field 4, empty when absent
  bool prohibited = false;  // field 5 is exactly "1"
};

// An ID, an address and a version are short; an answer with a longer one is no board's.
inline constexpr size_t kMaxSearchCellBytes = 64;

// Fields split at ","; nothing when there are fewer than 3 (no address to list) or when the
// ID, address or version is longer than kMaxSearchCellBytes.
std::optional<SearchAnswer> ParseSearchAnswer(std::string_view text);

// The firmware version cell read as a number the way an operator would read it: leading
// blanks skipped, full-width digits taken as digits, a decimal number from the start, 0 for
// anything else.
double ParseVersionNumber(std::string_view gbk);

// True when the version is 2.0 or higher (with a small tolerance for the decimal reading).
bool SupportsParameterRead(std::string_view versionGbk);

}  // namespace quorvane
