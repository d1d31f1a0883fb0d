#include "link/SearchAnswer.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

TEST(ParseSearchAnswer, TakesIdAddressVersionAndFlag) {
  struct Case {
    const char* name;
    std::string text;
    bool listed;
    std::string id, ip, version;
    bool prohibited;
  } cases[] = {
      {"all five fields", "IP,A01,192.168.1.50,2.3,1", true, "A01", "192.168.1.50", "2.3", true},
      {"three fields", "IP,A01,192.168.1.50", true, "A01", "192.168.1.50", "", false},
      {"flag 0", "IP,A01,10.0.0.2,2.0,0", true, "A01", "10.0.0.2", "2.0", false},
      {"flag with a blank", "IP,A01,10.0.0.2,2.0, 1", true, "A01", "10.0.0.2", "2.0", false},
      {"flag 11", "IP,A01,10.0.0.2,2.0,11", true, "A01", "10.0.0.2", "2.0", false},
      {"extra fields ignored", "IPX,B,10.0.0.3,2.1,1,more,fields", true, "B", "10.0.0.3", "2.1",
       true},
      {"empty id listed as it is", "IP,,10.0.0.4", true, "", "10.0.0.4", "", false},
      {"GBK id kept as bytes", "IP,\xC9\xE8\x7C,10.0.0.5", true, "\xC9\xE8\x7C", "10.0.0.5", "",
       false},
      {"only IP", "IP", false, "", "", "", false},
      {"two fields", "IP,A01", false, "", "", "", false},
      {"two fields and a trailing comma", "IP,A01,", false, "", "", "", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto answer = ParseSearchAnswer(c.text);
    ASSERT_EQ(answer.has_value(), c.listed);
    if (!answer) continue;
    EXPECT_EQ(answer->id, c.id);
    EXPECT_EQ(answer->ip, c.ip);
    EXPECT_EQ(answer->version, c.version);
    EXPECT_EQ(answer->prohibited, c.prohibited);
  }
}

TEST(SupportsParameterRead, VersionTwoOrHigher) {
  struct Case {
    std::string version;
    bool readable;
  } cases[] = {
      {"2", true},
      {"2.0", true},
      {"2.3", true},
      {"10", true},
      {"1.9", false},
      {"", false},
      {"abc", false},
      {"v2", false},
      {"  2.1", true},
      {"\t2", true},
      {"-2", false},
      {"3x", true},
      {"1.99999999", true},
      {"1.9999", false},
      {".5", false},
      {"+2", true},
      {"\xA3\xB2", true},                      // full-width 2
      {"\xA3\xB1\x2E\xA3\xB9", false},         // full-width 1, '.', full-width 9
      {"\xA1\xA1\xA3\xB2\x2E\xA3\xB0", true},  // ideographic space, full-width 2.0
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("version \"" + c.version + "\"");
    EXPECT_EQ(SupportsParameterRead(c.version), c.readable);
  }
}

TEST(ParseVersionNumber, ReadsTheLeadingDecimalNumber) {
  EXPECT_DOUBLE_EQ(ParseVersionNumber("2.35abc"), 2.35);
  EXPECT_DOUBLE_EQ(ParseVersionNumber("\xA3\xB1\xA3\xB2"), 12);
  EXPECT_DOUBLE_EQ(ParseVersionNumber("-1.5"), -1.5);
  EXPECT_DOUBLE_EQ(ParseVersionNumber("."), 0);
}

}  // namespace
}  // namespace quorvane
