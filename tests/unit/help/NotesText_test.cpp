#include "help/NotesText.h"

#include <gtest/gtest.h>

#include "text/Gbk.h"

namespace quorvane {
namespace {

std::string Gbk(const char* utf8) { return Utf8ToGbk(utf8).value(); }

TEST(DecodeNotesText, EscapesPlusAndConversion) {
  struct Case {
    const char* name;
    std::string notes;
    std::string shown;  // GBK
  } cases[] = {
      {"escaped UTF-8 with a plus", "V2.5%E6%9B%B4%E6%96%B0+%E8%AF%B4%E6%98%8E",
       Gbk("V2.5更新 说明")},
      {"plain UTF-8 with a literal plus", "修复+重启", Gbk("修复 重启")},
      {"not hexadecimal", "a%zzb", "a%zzb"},
      {"percent at the end", "50%", "50%"},
      {"one hex digit then another character", "%4g!", "\x04!"},
      {"one hex digit at the end", "x%4", "x\x04"},
      {"zero ends the text", "kept%00dropped", "kept"},
      {"what GBK lacks becomes a question mark", "ok 😀 ok", "ok ? ok"},
      {"a byte that is not UTF-8", "a%FFb", "a?b"},
      {"empty", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DecodeNotesText(c.notes), c.shown);
  }
}

}  // namespace
}  // namespace quorvane
