#include "settings/HostAddresses.h"

#include "link/Ipv4Text.h"

namespace quorvane {

std::optional<std::string> GatewayForAddresses(const std::vector<std::string>& addresses) {
  for (const std::string& address : addresses) {
    if (!IsDottedIpv4(address) || address.starts_with("127.")) continue;
    return address.substr(0, address.rfind('.')) + ".1";
  }
  return std::nullopt;
}

}  // namespace quorvane
