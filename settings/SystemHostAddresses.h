#pragma once

#include "settings/HostAddresses.h"

namespace quorvane {

// The addresses of this machine's interfaces as the network stack lists them. No name is
// resolved, so nothing can block.
class SystemHostAddresses : public HostAddressSource {
 public:
  std::vector<std::string> OwnIpv4Addresses() const override;
};

}  // namespace quorvane
