#pragma once

#include "settings/HostAddresses.h"

namespace quorvane {

class FakeHostAddresses : public HostAddressSource {
 public:
  std::vector<std::string> OwnIpv4Addresses() const override { return addresses; }
  std::vector<std::string> addresses;
};

}  // namespace quorvane
