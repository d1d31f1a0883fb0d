#include "mqtt/MqttTools.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include "tests/support/ScreenFixture.h"
#include "tests/support/Typing.h"

namespace quorvane {
namespace {

class MqttToolsTest : public ScreenFixture {
 protected:
  QStringList Boxes() {
    return {W().mqtt地址编辑框->text(), W().mqtt端口编辑框->text(), W().mqtt账号编辑框->text(),
            W().mqtt密码编辑框->text(), W().mqtt_ID编辑框->text(),  W().mqtt订阅编辑框->text(),
            W().mqtt发布编辑框->text()};
  }
  void Fill(const QStringList& texts) {
    ByteLimitedLineEdit* boxes[] = {W().mqtt地址编辑框, W().mqtt端口编辑框, W().mqtt账号编辑框,
                                    W().mqtt密码编辑框, W().mqtt_ID编辑框,  W().mqtt订阅编辑框,
                                    W().mqtt发布编辑框};
    for (int i = 0; i < 7; ++i) boxes[i]->setText(texts[i]);
  }
  QByteArray TemplateBytes() {
    QFile file(TemplatePath());
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
  }
};

TEST_F(MqttToolsTest, PageHasItsPlacesAndNothingOverlaps) {
  Show();
  W().高级选择夹->setCurrentIndex(5);
  struct Placed {
    QWidget* widget;
    QRect place;
  } rows[] = {
      {W().标签8, {8, 6, 80, 28}},
      {W().mqtt地址编辑框, {96, 7, 520, 28}},
      {W().标签9, {8, 40, 80, 28}},
      {W().mqtt端口编辑框, {96, 41, 264, 28}},
      {W().标签10, {8, 72, 80, 28}},
      {W().mqtt账号编辑框, {96, 73, 520, 28}},
      {W().标签11, {8, 104, 80, 28}},
      {W().mqtt密码编辑框, {96, 105, 520, 28}},
      {W().标签12, {8, 136, 80, 28}},
      {W().mqtt_ID编辑框, {96, 137, 456, 28}},
      {W().mqtt生成按钮, {560, 136, 56, 28}},
      {W().标签13, {8, 168, 80, 28}},
      {W().mqtt订阅编辑框, {96, 169, 456, 28}},
      {W().mqtt填入按钮, {560, 168, 56, 28}},
      {W().标签14, {8, 200, 80, 28}},
      {W().mqtt发布编辑框, {96, 201, 520, 28}},
      {W().mqtt存模板按钮, {632, 216, 72, 28}},
      {W().mqtt使用模板按钮, {712, 216, 72, 28}},
      {W().透明标签9, {646, 9, 304, 21}},
  };
  for (const Placed& row : rows) {
    SCOPED_TRACE(row.widget->objectName().toStdString());
    EXPECT_EQ(row.widget->geometry(), row.place);
  }
  QWidget* page = W().mqtt地址编辑框->parentWidget();
  const QList<QWidget*> children = page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  for (QWidget* a : children) {
    EXPECT_TRUE(page->rect().contains(a->geometry()))
        << a->objectName().toStdString() << " outside the page of " << page->width() << " x "
        << page->height();
    for (QWidget* b : children) {
      if (a < b) {
        EXPECT_FALSE(a->geometry().intersects(b->geometry()))
            << a->objectName().toStdString() << " overlaps " << b->objectName().toStdString();
      }
    }
  }
}

TEST_F(MqttToolsTest, GenerateMakesAClientIdFromTheClock) {
  Click(W().mqtt生成按钮);
  EXPECT_EQ(W().mqtt_ID编辑框->text(), QStringLiteral("ESP_638440848001229952"));
  Click(W().mqtt生成按钮);  // the same millisecond: the same ID
  EXPECT_EQ(W().mqtt_ID编辑框->text(), QStringLiteral("ESP_638440848001229952"));
  clock.now.millisecond = 124;
  Click(W().mqtt生成按钮);
  EXPECT_EQ(W().mqtt_ID编辑框->text(), QStringLiteral("ESP_638440848001240064"));
  EXPECT_TRUE(link.sent.empty());
}

TEST_F(MqttToolsTest, FillPutsTheBoardIdOrClockDigitsIntoBothTopics) {
  W().mqtt发布编辑框->setText(QStringLiteral("old"));
  Click(W().mqtt填入按钮);  // no row selected
  EXPECT_EQ(W().mqtt订阅编辑框->text(), QStringLiteral("708488000123"));
  EXPECT_EQ(W().mqtt发布编辑框->text(), QStringLiteral("708488000123"));

  Receive(QStringLiteral("IP,ABC123,10.0.0.2,2.3"));
  Receive(QStringLiteral("IP,客厅,10.0.0.3,2.3"));
  screen->devices.SelectRow(1);
  Click(W().mqtt填入按钮);
  EXPECT_EQ(W().mqtt订阅编辑框->text(), QStringLiteral("客厅"));
  EXPECT_EQ(W().mqtt发布编辑框->text(), QStringLiteral("客厅"));
  screen->devices.SelectRow(0);
  Click(W().mqtt填入按钮);
  EXPECT_EQ(W().mqtt发布编辑框->text(), QStringLiteral("ABC123"));
  EXPECT_TRUE(link.sent.empty());
}

TEST_F(MqttToolsTest, TypingIntoTheSubscribeBoxIsMirroredButNotTheOtherWay) {
  TypeText(W().mqtt订阅编辑框, QStringLiteral("a"));
  TypeText(W().mqtt订阅编辑框, QStringLiteral("b"));
  EXPECT_EQ(W().mqtt订阅编辑框->text(), QStringLiteral("ab"));
  EXPECT_EQ(W().mqtt发布编辑框->text(), QStringLiteral("ab"));
  TypeText(W().mqtt发布编辑框, QStringLiteral("x"));
  EXPECT_EQ(W().mqtt订阅编辑框->text(), QStringLiteral("ab"));
  EXPECT_EQ(W().mqtt发布编辑框->text(), QStringLiteral("abx"));
}

TEST_F(MqttToolsTest, LoadWithoutAFileAsksForATemplate) {
  Fill(Strings({"h", "1", "a", "p", "c", "s", "o"}));
  Click(W().mqtt使用模板按钮);
  EXPECT_EQ(Boxes(), Strings({"请先存模板", "", "", "", "", "", ""}));
  EXPECT_TRUE(person.boxes.empty());
}

TEST_F(MqttToolsTest, SaveWritesTheFileAndLoadBringsItBack) {
  Fill(Strings({"代理.local", "1883", "", "pw", "ESP_1", "t1", "t2"}));
  Click(W().mqtt存模板按钮);
  EXPECT_TRUE(person.boxes.empty());
  EXPECT_EQ(TemplateBytes(), ScreenFixture::Gbk(QStringLiteral(
                                 "[MQTT参数]\r\n地址=代理.local\r\n端口=1883\r\n账号=\r\n"
                                 "密码=pw\r\nID=ESP_1\r\nTopic=t1\r\n发布=t2\r\n")));
  Fill(Strings({"", "", "x", "", "", "", ""}));
  Click(W().mqtt使用模板按钮);
  // The subscribe topic first, then the publish topic, which keeps its stored value.
  EXPECT_EQ(Boxes(), Strings({"代理.local", "1883", "", "pw", "ESP_1", "t1", "t2"}));

  Fill(QStringList(7, QString()));
  Click(W().mqtt存模板按钮);
  Fill(Strings({"h", "1", "a", "p", "c", "s", "o"}));
  Click(W().mqtt使用模板按钮);
  EXPECT_EQ(Boxes(), QStringList(7, QString()));  // an empty address stays empty
}

TEST_F(MqttToolsTest, AFailedSaveSaysSo) {
  // Nowhere to write: where the template's folder should be is a file.
  ASSERT_TRUE(QDir(templateDirectory.path()).removeRecursively());
  QFile blocker(templateDirectory.path());
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  Fill(Strings({"h", "1", "a", "p", "c", "s", "o"}));
  Click(W().mqtt存模板按钮);
  EXPECT_EQ(person.Texts(), Strings({"模板保存失败！"}));
  EXPECT_EQ(Boxes(), Strings({"h", "1", "a", "p", "c", "s", "o"}));
}

}  // namespace
}  // namespace quorvane
