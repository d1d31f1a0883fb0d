#include "text/Gbk.h"

#include <gtest/gtest.h>

#include <QString>
#include <random>

namespace quorvane {
namespace {

TEST(Gbk, EncodesChineseAsTwoBytesEachAndBack) {
  auto gbk = Utf8ToGbk("设备A");
  ASSERT_TRUE(gbk.has_value());
  EXPECT_EQ(*gbk,
            "\xC9\xE8\xB1\xB8"
            "A");
  EXPECT_EQ(GbkToUtf8(*gbk), "设备A");
}

TEST(Gbk, RefusesCharactersWithoutGbkForm) {
  EXPECT_FALSE(Utf8ToGbk("ok😀").has_value());
  EXPECT_FALSE(Utf8ToGbk("\xC3").has_value());  // broken UTF-8
  EXPECT_EQ(Utf8ToGbk(""), std::string());
}

TEST(Gbk, DecodingNeverFailsAndMarksBrokenBytes) {
  struct Case {
    const char* name;
    std::string gbk;
    std::string utf8;
  } cases[] = {
      {"lead byte at the end", "ab\x81", "ab\xEF\xBF\xBD"},
      {"invalid pair in the middle",
       "a\xFF\xFF"
       "b",
       "a\xEF\xBF\xBD\xEF\xBF\xBD"
       "b"},
      {"NUL kept", std::string("a\0b", 3), std::string("a\0b", 3)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(GbkToUtf8(c.gbk), c.utf8);
  }
}

TEST(Gbk, DecodesAnyBytesOfAFullDatagram) {
  std::mt19937 random(7);
  std::string bytes(65507, '\0');
  for (char& b : bytes) b = static_cast<char>(random());
  std::string text = GbkToUtf8(bytes);
  EXPECT_GE(text.size(), bytes.size() / 2);
  // Valid UTF-8 survives a round trip through QString unchanged; broken UTF-8 would not.
  EXPECT_EQ(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toStdString(),
            text);
}

}  // namespace
}  // namespace quorvane
