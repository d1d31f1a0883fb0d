#include "maintenance/WifiChecks.h"

#include "text/GbkText.h"

namespace quorvane {

std::optional<WifiRefusal> CheckWifi(const QString& ssid, const QString& password) {
  if (ssid.isEmpty()) return WifiRefusal{QStringLiteral("请输入正确的WiFi名称"), std::nullopt};
  if (password.isEmpty()) {
    return WifiRefusal{QStringLiteral("请输入正确的WiFi器密码"), std::nullopt};
  }
  // The board splits name and password at the first "|": a "|" in either would make it join
  // the wrong network, after which no tool could reach it.
  if (ssid.contains(u'|')) {
    return WifiRefusal{QStringLiteral("WiFi名称中不能含有字符“|”，请修改！"), WifiBox::Name};
  }
  if (password.contains(u'|')) {
    return WifiRefusal{QStringLiteral("WiFi密码中不能含有字符“|”，请修改！"), WifiBox::Password};
  }
  return std::nullopt;
}

std::optional<std::string> WifiCommand(const QString& ssid, const QString& password) {
  auto wireSsid = ToGbk(ssid);
  auto wirePassword = ToGbk(password);
  if (!wireSsid || !wirePassword) return std::nullopt;
  return "wifi=" + *wireSsid + "|" + *wirePassword;
}

}  // namespace quorvane
