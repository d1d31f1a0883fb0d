#include "link/Ipv4Text.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

TEST(IsDottedIpv4, AcceptsOnlyFourNumbersUpTo255) {
  for (const char* good : {"0.0.0.0", "127.0.0.2", "192.168.1.50", "255.255.255.255"}) {
    SCOPED_TRACE(good);
    EXPECT_TRUE(IsDottedIpv4(good));
  }
  for (const char* bad :
       {"", "1.2.3", "1.2.3.4.5", "256.1.1.1", "1.2.3.", ".1.2.3", "a.b.c.d", "1..2.3", "localhost",
        "1.2.3.4 ", " 1.2.3.4", "1234.1.1.1", "1.2.3.0004"}) {
    SCOPED_TRACE(bad);
    EXPECT_FALSE(IsDottedIpv4(bad));
  }
}

TEST(IsSingleHostAddress, RefusesWhatReachesManyOrNone) {
  for (const char* host :
       {"127.0.0.1", "127.0.0.2", "192.168.1.50", "10.0.0.255", "1.0.0.0", "223.255.255.255"}) {
    SCOPED_TRACE(host);
    EXPECT_TRUE(IsSingleHostAddress(host));
  }
  for (const char* many : {"0.0.0.0", "0.1.2.3", "224.0.0.1", "239.255.255.250", "240.0.0.1",
                           "255.255.255.255", "not an address"}) {
    SCOPED_TRACE(many);
    EXPECT_FALSE(IsSingleHostAddress(many));
  }
}

}  // namespace
}  // namespace quorvane
