#include "link/SplitText.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

using Fields = std::vector<std::string>;

TEST(SplitText, CutsAtTheSeparatorByTheRules) {
  struct Case {
    const char* name;
    std::string text;
    Fields fields;
  } cases[] = {
      {"empty text has no fields", "", {}},
      {"no separator", "abc", {"abc"}},
      {"empty middle field", "a||b", {"a", "", "b"}},
      {"trailing separator adds nothing", "a|b|", {"a", "b"}},
      {"only a separator", "|", {""}},
      {"leading separator", "|a", {"", "a"}},
      {"six fields and one more bar", "p|1|2|3|4|5|", {"p", "1", "2", "3", "4", "5"}},
      {"trail byte 0x7C does not split", "\x81\x7C|x", {"\x81\x7C", "x"}},
      {"trail byte equal to the separator mid-field",
       "a\xC4\x7C"
       "b|c",
       {"a\xC4\x7C"
        "b",
        "c"}},
      {"lead byte at the end ends the scan", "a|\x81", {"a", "\x81"}},
      {"lead byte at the end after a bar", "a|b|\x90", {"a", "b", "\x90"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SplitText(c.text, '|'), c.fields);
  }
}

TEST(SplitText, UsesTheGivenSeparator) {
  EXPECT_EQ(SplitText("IP,A01,10.0.0.9", ','), (Fields{"IP", "A01", "10.0.0.9"}));
  EXPECT_EQ(SplitText("IP,A01,10.0.0.9", '|'), (Fields{"IP,A01,10.0.0.9"}));
}

}  // namespace
}  // namespace quorvane
