#include "settings/HostAddresses.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

TEST(GatewayForAddresses, FirstNonLoopbackAddressEndingInOne) {
  struct Case {
    const char* name;
    std::vector<std::string> addresses;
    std::optional<std::string> gateway;
  } cases[] = {
      {"host name on loopback first", {"127.0.1.1", "192.168.1.23"}, "192.168.1.1"},
      {"plain", {"10.1.2.3"}, "10.1.2.1"},
      {"first one counts", {"172.16.5.9", "192.168.1.23"}, "172.16.5.1"},
      {"only loopback", {"127.0.0.1", "127.0.1.1"}, std::nullopt},
      {"none", {}, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(GatewayForAddresses(c.addresses), c.gateway);
  }
}

}  // namespace
}  // namespace quorvane
