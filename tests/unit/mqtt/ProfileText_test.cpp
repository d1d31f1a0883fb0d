#include "mqtt/ProfileText.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

TEST(ReadProfileValue, FollowsTheProfileConvention) {
  const std::string file =
      "; written by another editor\n"
      "[Other]\n"
      "Topic=not this one\n"
      "[mqtt]\r\n"
      "  topic  =  \"abc\"  \r\n"
      "Empty=\r\n"
      "Single='x'\r\n"
      "Odd=\"half\r\n"
      "Equals=a=b\r\n"
      ";Hidden=1\r\n"
      "[Third]\n"
      "Long=" +
      std::string(20000, 'v') + "\n";
  struct Case {
    const char* section;
    const char* key;
    std::optional<std::string> value;
  } cases[] = {
      {"MQTT", "Topic", "abc"},  // letter case, blanks around "=", one pair of quotes
      {"Mqtt", "empty", ""},
      {"mqtt", "Single", "x"},
      {"mqtt", "Odd", "\"half"},
      {"mqtt", "Equals", "a=b"},
      {"mqtt", "Hidden", std::nullopt},  // a comment
      {"mqtt", "Missing", std::nullopt},
      {"Nowhere", "Topic", std::nullopt},
      {"Other", "TOPIC", "not this one"},
      {"third", "long", std::string(kMaxProfileValueBytes, 'v')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.section) + "/" + c.key);
    EXPECT_EQ(ReadProfileValue(file, c.section, c.key), c.value);
  }
  EXPECT_EQ(ReadProfileValue("", "a", "b"), std::nullopt);
}

TEST(WriteProfileValue, ChangesOnlyWhatItWrites) {
  struct Case {
    const char* name;
    std::string file;
    const char* section;
    const char* key;
    const char* value;
    std::string expected;
  } cases[] = {
      {"new file", "", "S", "k", "v", "[S]\r\nk=v\r\n"},
      {"replaced in place, its line end kept", "[s]\nA=1\nk = old\nZ=2\n", "S", "K", "new",
       "[s]\nA=1\nK=new\nZ=2\n"},
      {"added after the section's last entry", "[S]\r\na=1\r\n\r\n[T]\r\nb=2\r\n", "S", "c", "3",
       "[S]\r\na=1\r\nc=3\r\n\r\n[T]\r\nb=2\r\n"},
      {"section appended at the end", "[T]\r\nb=2", "S", "k", "", "[T]\r\nb=2\r\n[S]\r\nk=\r\n"},
      {"into an empty section at the end without line end", "[S]", "S", "k", "v", "[S]\r\nk=v\r\n"},
      {"comments and other sections stay", ";c\r\n[S]\r\n;k=x\r\nk=1\r\n", "S", "k", "2",
       ";c\r\n[S]\r\n;k=x\r\nk=2\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(WriteProfileValue(c.file, c.section, c.key, c.value), c.expected);
  }
}

}  // namespace
}  // namespace quorvane
