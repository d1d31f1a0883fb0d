#include "window/MainWindow.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QTabBar>
#include <QTest>

#include "app/Theme.h"
#include "tests/support/ScreenFixture.h"

namespace quorvane {
namespace {

class MainWindowLayout : public ScreenFixture {};

// Member, its name, its kind, caption and place (x, y, w, h relative to its parent).
struct Placed {
  QWidget* member;
  const char* name;
  const char* kind;
  const char* caption;
  QRect place;
};

#define PLACED(member, kind, caption, x, y, w, h) \
  Placed { W().member, #member, kind, caption, QRect(x, y, w, h) }

TEST_F(MainWindowLayout, NamedControlsHaveTheirKindCaptionAndPlace) {
  const Placed rows[] = {
      PLACED(分组框1, "QGroupBox", "", 8, 8, 984, 216),
      PLACED(超级列表框1, "quorvane::ReportListView", nullptr, 16, 23, 640, 192),
      PLACED(寻找按钮, "QPushButton", "寻找设备", 681, 49, 120, 48),
      PLACED(退出按钮, "QPushButton", "退出", 681, 137, 120, 48),
      PLACED(图片框1, "QLabel", nullptr, 821, 29, 152, 152),
      PLACED(上电及IP设置组, "QGroupBox", "上电及IP设置", 8, 225, 984, 127),
      PLACED(外形框1, "QFrame", nullptr, 7, 18, 969, 44),
      PLACED(外形框3, "QFrame", nullptr, 8, 71, 969, 44),
      PLACED(工作模式组, "QGroupBox", "工作模式设置", 8, 358, 984, 50),
      PLACED(分组框2, "QGroupBox", "", 8, 413, 984, 275),
      PLACED(高级选择夹, "QTabWidget", nullptr, 8, 13, 968, 254),
      PLACED(确认保存按钮, "QPushButton", "写入保存设置", 443, 690, 112, 40),
  };
  for (const Placed& row : rows) {
    SCOPED_TRACE(row.name);
    ASSERT_NE(row.member, nullptr);
    EXPECT_EQ(W().findChild<QWidget*>(QString::fromUtf8(row.name)), row.member);
    EXPECT_STREQ(row.member->metaObject()->className(), row.kind);
    EXPECT_EQ(row.member->geometry(), row.place);
    if (auto* group = qobject_cast<QGroupBox*>(row.member)) {
      EXPECT_EQ(group->title(), QString::fromUtf8(row.caption));
    }
    if (auto* button = qobject_cast<QAbstractButton*>(row.member)) {
      EXPECT_EQ(button->text(), QString::fromUtf8(row.caption));
    }
  }
  EXPECT_EQ(W().透明标签11->pos(), QPoint(574, 704));
  EXPECT_EQ(W().透明标签11->text(), QStringLiteral("注：需写入保存后所有设置才生效"));
}

TEST_F(MainWindowLayout, EveryControlHasItsCaptionAndParent) {
  struct Captioned {
    QWidget* member;
    const char* name;
    QWidget* parent;
    const char* caption;
  };
#define CAPTIONED(member, parent, caption) Captioned{W().member, #member, parent, caption}
  QWidget* page[6];
  for (int i = 0; i < 6; ++i) page[i] = W().高级选择夹->widget(i);
  const Captioned rows[] = {
      CAPTIONED(上电关单选框, W().外形框1, "上电关"),
      CAPTIONED(上电开单选框, W().外形框1, "上电开"),
      CAPTIONED(断电记忆单选框, W().外形框1, "断电记忆"),
      CAPTIONED(自定ID选择框, W().外形框1, "自定义设备ID"),
      CAPTIONED(透明标签12, W().外形框1, "字母或者数字"),
      CAPTIONED(动态IP单选框, W().外形框3, "动态IP"),
      CAPTIONED(静态IP单选框, W().外形框3, "静态IP"),
      CAPTIONED(标签3, W().外形框3, "设备IP"),
      CAPTIONED(标签2, W().外形框3, "网关"),
      CAPTIONED(标签4, W().外形框3, "掩码"),
      CAPTIONED(Client单选框, W().工作模式组, "TCP_Client模式"),
      CAPTIONED(Server单选框, W().工作模式组, "TCP_Server模式"),
      CAPTIONED(http单选框, W().工作模式组, "http_GET模式"),
      CAPTIONED(巴法TCP单选框, W().工作模式组, "巴法云TCP模式"),
      CAPTIONED(MQTT单选框, W().工作模式组, "MQTT模式"),
      CAPTIONED(标签15, page[0], "最新更新"),
      CAPTIONED(超级链接框11, W().外形框5, "1、新版本固件更新说明"),
      CAPTIONED(超级链接框12, W().外形框5, "2、安卓版本参数设置工具V2.2"),
      CAPTIONED(标签1, page[0], "常见问题"),
      CAPTIONED(超级链接框1, page[0], "1、寻找不到设备怎么办？"),
      CAPTIONED(超级链接框2, page[0], "2、怎么给设备配网？"),
      CAPTIONED(超级链接框3, page[0], "3、设置静态IP错误导致搜索不到怎么办？"),
      CAPTIONED(超级链接框4, page[0], "4、上电状态是什么意思？"),
      CAPTIONED(超级链接框5, page[0], "5、自定ID是什么意思？"),
      CAPTIONED(超级链接框6, page[0], "6、动态IP和静态IP的区别？"),
      CAPTIONED(超级链接框7, page[0], "7、怎么恢复设备初始设置？"),
      CAPTIONED(超级链接框8, page[0], "8、没有配网按键的设备怎么进入配网状态？"),
      CAPTIONED(超级链接框13, W().外形框4, "9、什么是上电30秒自动进入配网状态？"),
      CAPTIONED(标签5, page[1], "TCP服务器地址"),
      CAPTIONED(透明标签1, page[1], "支持域名"),
      CAPTIONED(标签6, page[1], "TCP服务器端口"),
      CAPTIONED(无心跳单选框, W().外形框2, "无心跳"),
      CAPTIONED(Heartbeat心跳单选框, W().外形框2, "30s发送心跳（Heartbeat）"),
      CAPTIONED(ID心跳单选框, W().外形框2, "30s发送ID为心跳"),
      CAPTIONED(间隔1小时选择框, page[1],
                "间隔1小时重新连接服务器一次（防止网络异常断线连不上服务器）"),
      CAPTIONED(收不到100秒选择框, page[1], "100秒收不到服务器信息重连TCP服务器（慎选）"),
      CAPTIONED(间隔1小时选择框1, page[1],
                "注册包模式（每次连接成功服务器都向服务器发送一次注册ID）"),
      CAPTIONED(透明标签2, page[1], "注：此模式设置设备为TCPClient,让设备连接你的TCP服务器"),
      CAPTIONED(透明标签10, page[2], "设备TCP地址："),
      CAPTIONED(透明标签5, page[2], "TCPServer模式设备端口：8282"),
      CAPTIONED(透明标签3, page[2],
                "注：此模式设置设备为TCPServer，设备作为TCP服务器，让你的程序以TCPClient模式来连接"
                "设备（支持2个TCPClient同时连接）"),
      CAPTIONED(GET标签, page[3], "生成GET请求："),
      CAPTIONED(GET请求按钮1, page[3], "复制"),
      CAPTIONED(返回内容标签, page[3], "返回："),
      CAPTIONED(GET请求按钮, page[3], "测试"),
      CAPTIONED(透明标签4, page[3],
                "注：此模式设置设备作为httpServer服务器，让你的程序以GET请求来控制设备，或者直接浏"
                "览器发GET请求来控制设备"),
      CAPTIONED(透明标签6, page[3], "HTTP_GET请求格式：http://设备IP地址/?command=指令"),
      CAPTIONED(标签7, page[4], "巴法云私钥"),
      CAPTIONED(透明标签8, page[4], "你的巴发云平台私钥"),
      CAPTIONED(超级链接框9, page[4], "巴发云接入文档"),
      CAPTIONED(超级链接框10, page[4], "巴发云平台(第三方平台)"),
      CAPTIONED(透明标签7, page[4],
                "注：此模式设置设备直接连接巴法云创客云TCP，可以通过巴法云物联网平台实现远程外网控"
                "制，可以通过巴发云提供的API接口控制板子"),
      CAPTIONED(标签8, page[5], "服务器地址"),
      CAPTIONED(标签9, page[5], "服务器端口"),
      CAPTIONED(标签10, page[5], "账号"),
      CAPTIONED(标签11, page[5], "密码"),
      CAPTIONED(标签12, page[5], "ClientID"),
      CAPTIONED(标签13, page[5], "Topic(订阅)"),
      CAPTIONED(标签14, page[5], "发布订阅"),
      CAPTIONED(mqtt生成按钮, page[5], "生成"),
      CAPTIONED(mqtt填入按钮, page[5], "填入"),
      CAPTIONED(mqtt存模板按钮, page[5], "存模板"),
      CAPTIONED(mqtt使用模板按钮, page[5], "使用模板"),
      CAPTIONED(透明标签9, page[5], "注：此模式设置设备连接普通MQTT服务器"),
  };
  for (const Captioned& row : rows) {
    SCOPED_TRACE(row.name);
    ASSERT_NE(row.member, nullptr);
    EXPECT_EQ(W().findChild<QWidget*>(QString::fromUtf8(row.name)), row.member);
    EXPECT_EQ(row.member->parentWidget(), row.parent);
    QString caption;
    if (auto* label = qobject_cast<QLabel*>(row.member)) {
      caption = label->text();
      EXPECT_EQ(label->textFormat(), Qt::PlainText);
    } else if (auto* button = qobject_cast<QAbstractButton*>(row.member)) {
      caption = button->text();
    }
    EXPECT_EQ(caption, QString::fromUtf8(row.caption));
  }
}

TEST_F(MainWindowLayout, EditBoxesLimitBytesAndDigits) {
  struct Limited {
    ByteLimitedLineEdit* box;
    const char* name;
    int maxBytes;
    bool digits;
  };
#define LIMITED(member, bytes, digits) \
  Limited { W().member, #member, bytes, digits }
  const Limited rows[] = {
      LIMITED(自定ID编辑框, 32, false),      LIMITED(服务器TCP地址编辑框, 64, false),
      LIMITED(服务器TCP端口编辑框, 5, true), LIMITED(get编辑框, 0, false),
      LIMITED(巴法云私钥编辑框, 32, false),  LIMITED(mqtt地址编辑框, 64, false),
      LIMITED(mqtt端口编辑框, 5, true),      LIMITED(mqtt账号编辑框, 64, false),
      LIMITED(mqtt密码编辑框, 64, false),    LIMITED(mqtt_ID编辑框, 64, false),
      LIMITED(mqtt订阅编辑框, 64, false),    LIMITED(mqtt发布编辑框, 64, false),
  };
  for (const Limited& row : rows) {
    SCOPED_TRACE(row.name);
    EXPECT_EQ(W().findChild<QWidget*>(QString::fromUtf8(row.name)), row.box);
    EXPECT_EQ(row.box->MaxBytes(), row.maxBytes);
    EXPECT_EQ(row.box->DigitsOnly(), row.digits);
    EXPECT_EQ(row.box->echoMode(), QLineEdit::Normal);  // the MQTT password shows in clear
  }
  EXPECT_EQ(W().get编辑框->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
  for (QWidget* box : {static_cast<QWidget*>(W().IP编辑框), static_cast<QWidget*>(W().网关编辑框),
                       static_cast<QWidget*>(W().掩码编辑框)}) {
    EXPECT_STREQ(box->metaObject()->className(), "quorvane::Ipv4AddressBox");
  }
}

TEST_F(MainWindowLayout, StartsInItsInitialState) {
  EXPECT_EQ(W().windowTitle(), QStringLiteral("QuorvaneV2.41"));
  Show();
  EXPECT_EQ(W().frameGeometry().topLeft(), QPoint(50, 50));
  EXPECT_EQ(W().frameGeometry().size(), QSize(1006, 768));

  EXPECT_TRUE(W().上电关单选框->isChecked());
  EXPECT_TRUE(W().动态IP单选框->isChecked());
  for (QAbstractButton* off : std::initializer_list<QAbstractButton*>{
           W().上电开单选框, W().断电记忆单选框, W().静态IP单选框, W().Client单选框,
           W().Server单选框, W().http单选框, W().巴法TCP单选框, W().MQTT单选框, W().无心跳单选框,
           W().Heartbeat心跳单选框, W().ID心跳单选框, W().自定ID选择框, W().间隔1小时选择框,
           W().收不到100秒选择框}) {
    SCOPED_TRACE(off->objectName().toStdString());
    EXPECT_FALSE(off->isChecked());
  }
  EXPECT_TRUE(W().间隔1小时选择框1->isChecked());
  EXPECT_FALSE(W().间隔1小时选择框1->isEnabled());
  for (QWidget* disabled :
       {static_cast<QWidget*>(W().IP编辑框), static_cast<QWidget*>(W().网关编辑框),
        static_cast<QWidget*>(W().掩码编辑框), static_cast<QWidget*>(W().自定ID编辑框)}) {
    SCOPED_TRACE(disabled->objectName().toStdString());
    EXPECT_FALSE(disabled->isEnabled());
  }
  EXPECT_EQ(W().IP编辑框->Text(), QString());
  EXPECT_EQ(W().超级列表框1->topLevelItemCount(), 0);
  EXPECT_EQ(W().超级列表框1->columnCount(), 5);
  const char* headers[] = {"说明", "设备IP", "设备ID", "版本", "禁止设置"};
  const int widths[] = {100, 120, 120, 120, 160};
  for (int c = 0; c < 5; ++c) {
    EXPECT_EQ(W().超级列表框1->headerItem()->text(c), QString::fromUtf8(headers[c]));
    EXPECT_EQ(W().超级列表框1->columnWidth(c), widths[c]);
  }

  EXPECT_EQ(W().高级选择夹->count(), 6);
  EXPECT_EQ(W().高级选择夹->currentIndex(), 0);
  EXPECT_FALSE(W().高级选择夹->tabBar()->isVisible());
  const char* pages[] = {"主页", "TCPClient", "TCPServer", "http_GET", "巴法云TCP", "MQTT"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(W().高级选择夹->tabText(i), QString::fromUtf8(pages[i]));
}

TEST_F(MainWindowLayout, PicturesAreDrawnWhenFirstShown) {
  Show();
  EXPECT_TRUE(W().图片框4->pixmap().isNull());  // its page has not been shown yet
  QLabel* pictures[] = {W().图片框1, W().图片框2, W().图片框3,
                        W().图片框4, W().图片框5, W().图片框6};
  for (int page = 0; page < 6; ++page) {
    QLabel* picture = pictures[page];
    if (page > 0) W().高级选择夹->setCurrentIndex(page);  // 图片框1 stands beside the list
    SCOPED_TRACE(picture->objectName().toStdString());
    QImage image = picture->pixmap().toImage();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), picture->size());
    // Something was painted: the centre is not left transparent.
    EXPECT_GT(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 0);
  }
}

TEST_F(MainWindowLayout, EveryCaptionFitsItsControlWithTheTheme) {
  qApp->setStyleSheet(ThemeSetup::CarriedTheme());
  ASSERT_FALSE(qApp->styleSheet().isEmpty());
  Show();
  for (int page = 0; page < 6; ++page) {
    W().高级选择夹->setCurrentIndex(page);
    QCoreApplication::processEvents();
    for (QWidget* widget : W().高级选择夹->widget(page)->findChildren<QWidget*>()) {
      if (!qobject_cast<QLabel*>(widget) && !qobject_cast<QAbstractButton*>(widget)) continue;
      if (qobject_cast<QLabel*>(widget) && qobject_cast<QLabel*>(widget)->text().isEmpty())
        continue;
      SCOPED_TRACE(widget->objectName().toStdString());
      QSize need = widget->sizeHint();
      if (auto* label = qobject_cast<QLabel*>(widget); label && label->wordWrap()) {
        need = QSize(widget->width(), label->heightForWidth(widget->width()));
      }
      EXPECT_LE(need.width(), widget->width());
      EXPECT_LE(need.height(), widget->height());
    }
  }
  for (QWidget* widget : W().findChildren<QWidget*>()) {
    if (W().高级选择夹->isAncestorOf(widget)) continue;
    if (!qobject_cast<QLabel*>(widget) && !qobject_cast<QAbstractButton*>(widget)) continue;
    if (widget->objectName().isEmpty() || widget->objectName().startsWith(QStringLiteral("qt_")))
      continue;
    SCOPED_TRACE(widget->objectName().toStdString());
    EXPECT_LE(widget->sizeHint().width(), widget->width());
    EXPECT_LE(widget->sizeHint().height(), widget->height());
  }
  qApp->setStyleSheet(QString());
}

TEST_F(MainWindowLayout, ChineseCaptionsUseACjkFont) {
  QFontInfo info(W().寻找按钮->font());
  EXPECT_TRUE(info.family().contains(QStringLiteral("CJK"))) << info.family().toStdString();
  EXPECT_TRUE(QFontMetrics(W().寻找按钮->font()).inFontUcs4(U'寻'));
}

TEST_F(MainWindowLayout, ExitButtonEndsTheProcess) {
  Click(W().退出按钮);
  EXPECT_EQ(exitRequests, 1);
}

}  // namespace
}  // namespace quorvane
