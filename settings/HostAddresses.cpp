#include "settings/HostAddresses.h"

#include <QHostAddress>
#include <QNetworkInterface>

#include "link/Ipv4Text.h"

namespace quorvane {

std::vector<std::string> SystemHostAddresses::OwnIpv4Addresses() const {
  std::vector<std::string> out;
  for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
    if (address.protocol() == QAbstractSocket::IPv4Protocol) {
      out.push_back(address.toString().toStdString());
    }
  }
  return out;
}

std::optional<std::string> GatewayForAddresses(const std::vector<std::string>& addresses) {
  for (const std::string& address : addresses) {
    if (!IsDottedIpv4(address) || address.starts_with("127.")) continue;
    return address.substr(0, address.rfind('.')) + ".1";
  }
  return std::nullopt;
}

}  // namespace quorvane
