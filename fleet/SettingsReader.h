#pragma once

#include <QString>
#include <optional>
#include <string>

#include "fleet/BoardChannel.h"
#include "settings/ParameterRecord.h"

namespace quorvane {

struct ReadSettingsResult {
  std::optional<DecodedParameters> settings;
  bool answered = false;  // a record came, even one that cannot be decoded
  QString error;          // why there are no settings
};

// Sends "read" and decodes the board's record.
ReadSettingsResult ReadSettings(BoardChannel& channel, const std::string& ip, Patience patience);

// After a write the board restarts and is deaf for a while: asks until it answers or limitMs
// have passed.
ReadSettingsResult ReadAfterRestart(BoardChannel& channel, const std::string& ip, int limitMs);

}  // namespace quorvane
