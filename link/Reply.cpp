#include "link/Reply.h"

#include <array>
#include <utility>

namespace quorvane {

std::optional<ReplyKind> ClassifyReply(std::string_view text) {
  if (text.starts_with("IP")) return ReplyKind::SearchAnswer;
  if (text.starts_with("parameter|")) return ReplyKind::ParameterRecord;
  static constexpr std::array<std::pair<std::string_view, ReplyKind>, 8> kWholeTexts{{
      {"password=1", ReplyKind::PasswordAccepted},
      {"password=0", ReplyKind::PasswordRefused},
      {"wifi_ok", ReplyKind::WifiChanged},
      {"ksok", ReplyKind::KeysUnlocked},
      {"sdok", ReplyKind::KeysLocked},
      {"appz=0", ReplyKind::ConfigModeOff},
      {"appz=1", ReplyKind::ConfigModeOn},
      {"appz_ok", ReplyKind::ConfigModeSet},
  }};
  for (const auto& [whole, kind] : kWholeTexts) {
    if (text == whole) return kind;
  }
  return std::nullopt;
}

std::string_view TextOfDatagram(std::string_view datagram) {
  return datagram.substr(0, datagram.find('\0'));
}

}  // namespace quorvane
