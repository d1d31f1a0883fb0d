#pragma once

#include <QString>
#include <optional>
#include <string>

namespace quorvane {

enum class WifiBox { Name, Password };

struct WifiRefusal {
  QString message;
  std::optional<WifiBox> focus;  // the box to put the focus into; none leaves it where it is
};

// Why a WiFi name and password cannot be sent, or nothing when they can.
std::optional<WifiRefusal> CheckWifi(const QString& ssid, const QString& password);

// The command that makes a board join that network; nothing when either text has no GBK form.
std::optional<std::string> WifiCommand(const QString& ssid, const QString& password);

}  // namespace quorvane
