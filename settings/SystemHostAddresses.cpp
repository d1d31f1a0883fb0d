#include "settings/SystemHostAddresses.h"

#include <QHostAddress>
#include <QNetworkInterface>

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

}  // namespace quorvane
