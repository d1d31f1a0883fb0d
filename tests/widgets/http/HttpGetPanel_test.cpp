#include "http/HttpGetPanel.h"

#include "http/HttpRequest.h"

#include <QTest>

#include "tests/support/ScreenFixture.h"

namespace quorvane {
namespace {

class HttpGetPanelTest : public ScreenFixture {};

TEST_F(HttpGetPanelTest, TestSendsTheBoxAsItStandsAndShowsTheAnswerAsPlainText) {
  struct Case {
    const char* name;
    QString url;
    std::string answer;
    QString shown;
  } cases[] = {
      {"a board's answer", QStringLiteral("http://192.168.1.50/?command=c1"), "relay on",
       QStringLiteral("返回：relay on")},
      {"edited by hand, GBK answer", QStringLiteral("http://192.168.1.50/?command=c2"), "\xBF\xAA",
       QStringLiteral("返回：开")},
      {"up to the first zero byte", QStringLiteral("u"), std::string("ok\0hidden", 9),
       QStringLiteral("返回：ok")},
      {"markup stays text", QStringLiteral("u"), "<b>bold</b>",
       QStringLiteral("返回：<b>bold</b>")},
      {"no answer", QString(), "", QStringLiteral("返回：")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fetched.clear();
    W().get编辑框->setText(c.url);
    fetchAnswer = c.answer;
    Click(W().GET请求按钮);
    ASSERT_EQ(fetched.size(), 1u);
    EXPECT_EQ(fetched[0], c.url.toStdString());
    EXPECT_EQ(W().返回内容标签->text(), c.shown);
    EXPECT_EQ(W().返回内容标签->textFormat(), Qt::PlainText);
  }
  EXPECT_TRUE(person.boxes.empty());
  EXPECT_TRUE(link.sent.empty());
}

TEST_F(HttpGetPanelTest, AHugeAnswerIsShownOnlyAsFarAsTheLabelCanHoldIt) {
  fetchAnswer = std::string(kMaxResponseBody, 'x');
  Click(W().GET请求按钮);
  const QString shown = W().返回内容标签->text();
  EXPECT_EQ(shown.size(), 3 + HttpGetPanel::kShownCharacters + 1);
  EXPECT_TRUE(shown.endsWith(u'…'));
}

TEST_F(HttpGetPanelTest, CopyPutsANonEmptyUrlOnTheClipboard) {
  Click(W().GET请求按钮1);  // empty box: nothing
  EXPECT_TRUE(person.clipboard.isEmpty());
  EXPECT_TRUE(person.boxes.empty());

  W().get编辑框->setText(QStringLiteral("http://10.0.0.2/?command=c9"));
  Click(W().GET请求按钮1);
  EXPECT_EQ(person.clipboard, Strings({"http://10.0.0.2/?command=c9"}));
  EXPECT_EQ(person.Texts(), Strings({"复制成功"}));

  person.clipboardWorks = false;
  Click(W().GET请求按钮1);
  EXPECT_EQ(person.boxes.size(), 1u);
  EXPECT_TRUE(fetched.empty());
}

}  // namespace
}  // namespace quorvane
