#include <gtest/gtest.h>
#include <QTest>

#include "tests/support/Typing.h"

#include "tests/support/Printers.h"
#include "text/ByteLimitedLineEdit.h"
#include "text/Ipv4AddressBox.h"

namespace quorvane {
namespace {

using Kind = GbkInputValidator::Kind;

TEST(ByteLimitedLineEdit, RefusesWhatWouldNotFitOrNotTravel) {
  struct Case {
    const char* name;
    int maxBytes;
    Kind kind;
    QString typed;
    QString kept;
  } cases[] = {
      {"ASCII up to the limit", 5, Kind::Text, QStringLiteral("abcdefg"), QStringLiteral("abcde")},
      {"a Chinese character counts two", 5, Kind::Text, QStringLiteral("设备ab"),
       QStringLiteral("设备a")},
      {"no half of a character", 5, Kind::Text, QStringLiteral("ab设备"), QStringLiteral("ab设")},
      {"32 bytes of Chinese", 32, Kind::Text, QString(17, QChar(u'继')), QString(16, QChar(u'继'))},
      {"characters without GBK form", 0, Kind::Text, QStringLiteral("a😀b€"), QStringLiteral("ab€")},
      {"no limit", 0, Kind::Text, QString(300, QChar(u'x')), QString(300, QChar(u'x'))},
      {"digits and minus only", 5, Kind::Digits, QStringLiteral("1a2 -3.4"),
       QStringLiteral("12-34")},
      {"digits box is byte limited too", 5, Kind::Digits, QStringLiteral("1234567"),
       QStringLiteral("12345")},
      {"full-width digits are not digits", 5, Kind::Digits, QStringLiteral("１2"),
       QStringLiteral("2")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ByteLimitedLineEdit box(c.maxBytes, c.kind);
    TypeText(&box, c.typed);
    EXPECT_EQ(box.text(), c.kept);
  }
}

TEST(ByteLimitedLineEdit, TextFromCodeIsNotLimited) {
  ByteLimitedLineEdit box(5, Kind::Digits);
  box.setText(QStringLiteral("from a board|x"));
  EXPECT_EQ(box.text(), QStringLiteral("from a board|x"));
}

TEST(Ipv4AddressBox, ReadsAndWritesDottedText) {
  struct Case {
    const char* name;
    QString written;
    QString read;
  } cases[] = {
      {"address", QStringLiteral("192.168.1.50"), QStringLiteral("192.168.1.50")},
      {"empty blanks the box", QString(), QString()},
      {"zeros", QStringLiteral("0.0.0.0"), QStringLiteral("0.0.0.0")},
      {"not an address blanks the box", QStringLiteral("256.1.1.1"), QString()},
      {"three numbers", QStringLiteral("1.2.3"), QString()},
      {"a name", QStringLiteral("router.local"), QString()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Ipv4AddressBox box;
    box.SetText(QStringLiteral("9.9.9.9"));
    box.SetText(c.written);
    EXPECT_EQ(box.Text(), c.read);
  }
}

TEST(Ipv4AddressBox, BlankFieldsReadAsZeroAndTypingMovesOn) {
  Ipv4AddressBox box;
  box.Field(1)->setText(QStringLiteral("7"));
  EXPECT_EQ(box.Text(), QStringLiteral("0.7.0.0"));

  box.SetText(QString());
  box.show();
  box.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
  box.Field(0)->setFocus();
  TypeText(box.Field(0), QStringLiteral("10"));
  QTest::keyClick(box.Field(0), Qt::Key_Period);  // a dot moves to the next number
  ASSERT_EQ(QApplication::focusWidget(), box.Field(1));
  TypeText(box.Field(1), QStringLiteral("1"));
  QTest::keyClick(box.Field(1), Qt::Key_Period);
  ASSERT_EQ(QApplication::focusWidget(), box.Field(2));
  TypeText(box.Field(2), QStringLiteral("255"));  // three digits move on by themselves
  ASSERT_EQ(QApplication::focusWidget(), box.Field(3));
  TypeText(box.Field(3), QStringLiteral("3"));
  EXPECT_EQ(box.Text(), QStringLiteral("10.1.255.3"));
  TypeText(box.Field(3), QStringLiteral("9"));  // 39 is still fine; 399 is not
  TypeText(box.Field(3), QStringLiteral("9"));
  EXPECT_EQ(box.Field(3)->text(), QStringLiteral("39"));
}

}  // namespace
}  // namespace quorvane
