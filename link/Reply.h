#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

enum class ReplyKind {
  SearchAnswer,
  ParameterRecord,
  PasswordAccepted,
  PasswordRefused,
  WifiChanged,
  KeysUnlocked,
  KeysLocked,
  ConfigModeOff,
  ConfigModeOn,
  ConfigModeSet,
};

// The kind of a received text by a fixed order of byte-exact, case-sensitive tests.
std::optional<ReplyKind> ClassifyReply(std::string_view text);

// A datagram is text up to its first NUL byte, or whole when it has none.
std::string_view TextOfDatagram(std::string_view datagram);

}  // namespace quorvane
