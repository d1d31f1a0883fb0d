#include "mqtt/TimeStamps.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

TEST(ZeroPadLeft, PadsButNeverCuts) {
  EXPECT_EQ(ZeroPadLeft("7", 3), "007");
  EXPECT_EQ(ZeroPadLeft("123", 3), "123");
  EXPECT_EQ(ZeroPadLeft("1234", 3), "1234");
  EXPECT_EQ(ZeroPadLeft("", 2), "00");
}

TEST(Stamps, FromLocalClockReadings) {
  struct Case {
    const char* name;
    LocalTime time;
    const char* millisecondStamp;
    const char* tickStamp;
  } cases[] = {
      // The tick stamp keeps double precision's rounding: the exact sum ends in ...230000.
      {"present day", {2024, 2, 21, 12, 0, 0, 123}, "1708488000123", "638440848001229952"},
      {"0 ms", {2024, 2, 21, 12, 0, 0, 0}, "1708488000000", "638440848000000000"},
      {"7 ms", {2024, 2, 21, 12, 0, 0, 7}, "1708488000007", "638440848000070016"},
      // Nine digits of seconds: filled on the right to 13, the tick stamp works on 12.
      {"before 2001", {2000, 1, 1, 0, 0, 0, 500}, "9466560005000", "630822528004999936"},
      {"before the epoch's 08:00", {1970, 1, 1, 0, 0, 0, 5}, "-288000050000", "621355679999949952"},
      // Past the 32-bit count: counted on, not wrapped.
      {"one second past 32 bits",
       {2038, 1, 19, 11, 14, 8, 0},
       "2147483648000",
       "642830804480000000"},
      {"2040", {2040, 1, 1, 0, 0, 0, 1}, "2208960000001", "643445568000009984"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(MillisecondStamp(c.time), c.millisecondStamp);
    EXPECT_EQ(TickStamp(c.time), c.tickStamp);
  }
}

TEST(Stamps, SystemClockReadsAPlausibleLocalTime) {
  const LocalTime now = SystemClock().Now();
  EXPECT_GE(now.year, 2024);
  EXPECT_GE(now.millisecond, 0);
  EXPECT_LE(now.millisecond, 999);
  EXPECT_EQ(TickStamp(now).size(), 18u);
}

}  // namespace
}  // namespace quorvane
