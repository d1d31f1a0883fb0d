#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quorvane {

// The PC's own IPv4 addresses, in the platform's order.
class HostAddressSource {
 public:
  virtual ~HostAddressSource() = default;
  virtual std::vector<std::string> OwnIpv4Addresses() const = 0;
};

// The usual gateway of the PC's network: its first address that is not a loopback one, with
// the last number replaced by 1 (192.168.1.23 gives 192.168.1.1). Loopback is skipped because
// a host name often resolves to 127.0.1.1, which would make a gateway no board can use.
std::optional<std::string> GatewayForAddresses(const std::vector<std::string>& addresses);

}  // namespace quorvane
