#include "window/MainWindow.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QShowEvent>
#include <QSvgRenderer>
#include <QTabBar>

#include "constants/Board.h"
#include "constants/Program.h"
#include "text/Placement.h"

namespace quorvane {

namespace {

#define AT QUORVANE_AT

QLabel* Label(QWidget* parent, const QString& caption) { return PlainLabel(parent, caption); }

QLabel* Note(QWidget* parent, const QString& caption) {
  QLabel* label = Label(parent, caption);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QFrame* Frame(QWidget* parent) {
  auto* frame = new QFrame(parent);
  frame->setFrameShape(QFrame::Box);
  frame->setFrameShadow(QFrame::Sunken);
  return frame;
}

QGroupBox* Group(QWidget* parent, const QString& caption) { return new QGroupBox(caption, parent); }

// Byte limits and digits-only modes of the settings boxes come with the settings form's field
// table; a box made here admits any text GBK can encode.
ByteLimitedLineEdit* Edit(QWidget* parent) { return new ByteLimitedLineEdit(parent); }

// Artwork is drawn for the project as SVG and rendered at the picture box's size the first
// time the box is shown: the diagrams of the mode pages cost nothing at start-up.
class Picture : public QLabel {
 public:
  Picture(QWidget* parent, QString resource, QSize size)
      : QLabel(parent), resource_(std::move(resource)), size_(size) {}

 protected:
  void showEvent(QShowEvent* event) override {
    if (!resource_.isEmpty()) {
      QPixmap pixmap(size_);
      pixmap.fill(Qt::transparent);
      QSvgRenderer renderer(resource_);
      if (renderer.isValid()) {
        QPainter painter(&pixmap);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size_)));
      }
      setPixmap(pixmap);
      resource_.clear();
    }
    QLabel::showEvent(event);
  }

 private:
  QString resource_;
  QSize size_;
};

constexpr QSize kBoardPictureSize(152, 152);
constexpr QSize kDiagramSize(350, 230);
constexpr QSize kMqttDiagramSize(272, 179);  // the others' proportions, in the room left

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("MainWindow"));
  setWindowTitle(QString::fromUtf8(kProgramTitle));
  move(kPlace);
  resize(kOuterSize);
  BuildDeviceListPanel();
  BuildPowerAndAddressPanel();
  BuildWorkModePanel();
  BuildPages();
  BuildBottomStrip();
}

void MainWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // kOuterSize includes the frame; once a window manager has framed us, give it the frame.
  if (!outerSizeFixed_ && isWindow()) {
    outerSizeFixed_ = true;
    QSize frame = frameGeometry().size() - geometry().size();
    if (!frame.isEmpty()) resize(kOuterSize - frame);
  }
}

void MainWindow::BuildDeviceListPanel() {
  AT(分组框1, Group(this, QString()), 8, 8, 984, 216);
  AT(超级列表框1, new ReportListView(分组框1), 16, 23, 640, 192);
  AT(寻找按钮, new QPushButton(QStringLiteral("寻找设备"), 分组框1), 681, 49, 120, 48);
  AT(退出按钮, new QPushButton(QStringLiteral("退出"), 分组框1), 681, 137, 120, 48);
  AT(图片框1, new Picture(分组框1, QStringLiteral(":/art/relay-board.svg"), kBoardPictureSize), 821,
     29, 152, 152);
}

void MainWindow::BuildPowerAndAddressPanel() {
  AT(上电及IP设置组, Group(this, QStringLiteral("上电及IP设置")), 8, 225, 984, 127);

  AT(外形框1, Frame(上电及IP设置组), 7, 18, 969, 44);
  AT(上电关单选框, new QRadioButton(QStringLiteral("上电关"), 外形框1), 12, 10, 72, 24);
  AT(上电开单选框, new QRadioButton(QStringLiteral("上电开"), 外形框1), 92, 10, 72, 24);
  AT(断电记忆单选框, new QRadioButton(QStringLiteral("断电记忆"), 外形框1), 172, 10, 86, 24);
  AT(自定ID选择框, new QCheckBox(QStringLiteral("自定义设备ID"), 外形框1), 290, 10, 116, 24);
  AT(自定ID编辑框, Edit(外形框1), 410, 9, 250, 26);
  AT(透明标签12, Label(外形框1, QStringLiteral("字母或者数字")), 670, 12, 100, 20);

  AT(外形框3, Frame(上电及IP设置组), 8, 71, 969, 44);
  AT(动态IP单选框, new QRadioButton(QStringLiteral("动态IP"), 外形框3), 12, 10, 72, 24);
  AT(静态IP单选框, new QRadioButton(QStringLiteral("静态IP"), 外形框3), 92, 10, 72, 24);
  AT(标签3, Label(外形框3, QStringLiteral("设备IP")), 190, 12, 48, 20);
  AT(IP编辑框, new Ipv4AddressBox(外形框3), 240, 8, 150, 28);
  AT(标签2, Label(外形框3, QStringLiteral("网关")), 420, 12, 36, 20);
  AT(网关编辑框, new Ipv4AddressBox(外形框3), 460, 8, 150, 28);
  AT(标签4, Label(外形框3, QStringLiteral("掩码")), 640, 12, 36, 20);
  AT(掩码编辑框, new Ipv4AddressBox(外形框3), 680, 8, 150, 28);

  上电关单选框->setChecked(true);
  动态IP单选框->setChecked(true);
  // The boxes that wait for a choice start disabled.
  自定ID编辑框->setEnabled(false);
  IP编辑框->setEnabled(false);
  网关编辑框->setEnabled(false);
  掩码编辑框->setEnabled(false);
}

void MainWindow::BuildWorkModePanel() {
  AT(工作模式组, Group(this, QStringLiteral("工作模式设置")), 8, 358, 984, 50);
  AT(Client单选框, new QRadioButton(QStringLiteral("TCP_Client模式"), 工作模式组), 40, 20, 150, 24);
  AT(Server单选框, new QRadioButton(QStringLiteral("TCP_Server模式"), 工作模式组), 230, 20, 150,
     24);
  AT(http单选框, new QRadioButton(QStringLiteral("http_GET模式"), 工作模式组), 420, 20, 150, 24);
  AT(巴法TCP单选框, new QRadioButton(QStringLiteral("巴法云TCP模式"), 工作模式组), 610, 20, 150,
     24);
  AT(MQTT单选框, new QRadioButton(QStringLiteral("MQTT模式"), 工作模式组), 800, 20, 150, 24);
}

void MainWindow::BuildPages() {
  AT(分组框2, Group(this, QString()), 8, 413, 984, 275);
  AT(高级选择夹, new QTabWidget(分组框2), 8, 13, 968, 254);
  高级选择夹->tabBar()->hide();  // only the program turns pages; the first, home, shows
  const QString names[] = {QStringLiteral("主页"),      QStringLiteral("TCPClient"),
                           QStringLiteral("TCPServer"), QStringLiteral("http_GET"),
                           QStringLiteral("巴法云TCP"), QStringLiteral("MQTT")};
  QWidget* pages[6];
  for (int i = 0; i < 6; ++i) {
    pages[i] = new QWidget;
    pages[i]->setObjectName(names[i]);
    高级选择夹->addTab(pages[i], names[i]);
  }
  BuildHomePage(pages[0]);
  BuildTcpClientPage(pages[1]);
  BuildTcpServerPage(pages[2]);
  BuildHttpGetPage(pages[3]);
  BuildBemfaPage(pages[4]);
  BuildMqttPage(pages[5]);
}

void MainWindow::BuildHomePage(QWidget* page) {
  AT(标签15, Label(page, QStringLiteral("最新更新")), 20, 8, 100, 20);
  AT(外形框5, Frame(page), 20, 30, 420, 64);
  AT(超级链接框11, new LinkLabel(QStringLiteral("1、新版本固件更新说明"), 外形框5), 12, 8, 380, 20);
  AT(超级链接框12, new LinkLabel(QStringLiteral("2、安卓版本参数设置工具V2.2"), 外形框5), 12, 36,
     380, 20);
  AT(外形框4, Frame(page), 20, 104, 420, 36);
  AT(超级链接框13, new LinkLabel(QStringLiteral("9、什么是上电30秒自动进入配网状态？"), 外形框4),
     12, 8, 380, 20);

  AT(标签1, Label(page, QStringLiteral("常见问题")), 470, 8, 100, 20);
  AT(超级链接框1, new LinkLabel(QStringLiteral("1、寻找不到设备怎么办？"), page), 470, 30, 460, 20);
  AT(超级链接框2, new LinkLabel(QStringLiteral("2、怎么给设备配网？"), page), 470, 56, 460, 20);
  AT(超级链接框3, new LinkLabel(QStringLiteral("3、设置静态IP错误导致搜索不到怎么办？"), page), 470,
     82, 460, 20);
  AT(超级链接框4, new LinkLabel(QStringLiteral("4、上电状态是什么意思？"), page), 470, 108, 460,
     20);
  AT(超级链接框5, new LinkLabel(QStringLiteral("5、自定ID是什么意思？"), page), 470, 134, 460, 20);
  AT(超级链接框6, new LinkLabel(QStringLiteral("6、动态IP和静态IP的区别？"), page), 470, 160, 460,
     20);
  AT(超级链接框7, new LinkLabel(QStringLiteral("7、怎么恢复设备初始设置？"), page), 470, 186, 460,
     20);
  AT(超级链接框8, new LinkLabel(QStringLiteral("8、没有配网按键的设备怎么进入配网状态？"), page),
     470, 212, 460, 20);
}

void MainWindow::BuildTcpClientPage(QWidget* page) {
  AT(标签5, Label(page, QStringLiteral("TCP服务器地址")), 20, 12, 100, 24);
  AT(服务器TCP地址编辑框, Edit(page), 125, 11, 260, 26);
  AT(透明标签1, Label(page, QStringLiteral("支持域名")), 395, 14, 80, 20);
  AT(标签6, Label(page, QStringLiteral("TCP服务器端口")), 20, 46, 100, 24);
  AT(服务器TCP端口编辑框, Edit(page), 125, 45, 100, 26);

  AT(外形框2, Frame(page), 20, 80, 560, 36);
  AT(无心跳单选框, new QRadioButton(QStringLiteral("无心跳"), 外形框2), 10, 6, 80, 24);
  AT(Heartbeat心跳单选框, new QRadioButton(QStringLiteral("30s发送心跳（Heartbeat）"), 外形框2),
     100, 6, 210, 24);
  AT(ID心跳单选框, new QRadioButton(QStringLiteral("30s发送ID为心跳"), 外形框2), 320, 6, 170, 24);

  AT(间隔1小时选择框,
     new QCheckBox(QStringLiteral("间隔1小时重新连接服务器一次（防止网络异常断线连不上服务器）"),
                   page),
     20, 122, 560, 24);
  AT(收不到100秒选择框,
     new QCheckBox(QStringLiteral("100秒收不到服务器信息重连TCP服务器（慎选）"), page), 20, 146,
     560, 24);
  AT(间隔1小时选择框1,
     new QCheckBox(QStringLiteral("注册包模式（每次连接成功服务器都向服务器发送一次注册ID）"),
                   page),
     20, 170, 560, 24);
  间隔1小时选择框1->setChecked(true);
  间隔1小时选择框1->setEnabled(false);

  AT(透明标签2, Note(page, QStringLiteral("注：此模式设置设备为TCPClient,让设备连接你的TCP服务器")),
     20, 204, 560, 40);
  AT(图片框2, new Picture(page, QStringLiteral(":/art/mode-tcp-client.svg"), kDiagramSize), 600, 10,
     350, 230);
}

void MainWindow::BuildTcpServerPage(QWidget* page) {
  AT(透明标签10, Label(page, QStringLiteral("设备TCP地址：")), 20, 20, 560, 24);
  AT(透明标签5,
     Label(page, QStringLiteral("TCPServer模式设备端口：") + QString::number(kBoardTcpServerPort)),
     20, 52, 560, 24);
  AT(透明标签3,
     Note(page,
          QStringLiteral("注：此模式设置设备为TCPServer，设备作为TCP服务器，让你的程序以TCPClient"
                         "模式来连接设备（支持2个TCPClient同时连接）")),
     20, 90, 560, 60);
  AT(图片框3, new Picture(page, QStringLiteral(":/art/mode-tcp-server.svg"), kDiagramSize), 600, 10,
     350, 230);
}

void MainWindow::BuildHttpGetPage(QWidget* page) {
  AT(GET标签, Label(page, QStringLiteral("生成GET请求：")), 20, 16, 100, 24);
  AT(get编辑框, Edit(page), 120, 15, 380, 26);
  get编辑框->setAlignment(Qt::AlignCenter);
  AT(GET请求按钮1, new QPushButton(QStringLiteral("复制"), page), 510, 14, 64, 28);
  AT(返回内容标签, Note(page, QStringLiteral("返回：")), 20, 52, 480, 70);
  AT(GET请求按钮, new QPushButton(QStringLiteral("测试"), page), 510, 50, 64, 28);
  AT(透明标签4,
     Note(page,
          QStringLiteral("注：此模式设置设备作为httpServer服务器，让你的程序以GET请求来控制设备，"
                         "或者直接浏览器发GET请求来控制设备")),
     20, 130, 560, 44);
  AT(透明标签6, Label(page, QStringLiteral("HTTP_GET请求格式：http://设备IP地址/?command=指令")),
     20, 184, 560, 22);
  AT(图片框4, new Picture(page, QStringLiteral(":/art/mode-http-get.svg"), kDiagramSize), 600, 10,
     350, 230);
}

void MainWindow::BuildBemfaPage(QWidget* page) {
  AT(标签7, Label(page, QStringLiteral("巴法云私钥")), 20, 16, 90, 24);
  AT(巴法云私钥编辑框, Edit(page), 110, 15, 300, 26);
  AT(透明标签8, Label(page, QStringLiteral("你的巴发云平台私钥")), 420, 18, 160, 20);
  AT(超级链接框9, new LinkLabel(QStringLiteral("巴发云接入文档"), page), 20, 56, 150, 20);
  AT(超级链接框10, new LinkLabel(QStringLiteral("巴发云平台(第三方平台)"), page), 200, 56, 220, 20);
  AT(透明标签7,
     Note(page, QStringLiteral(
                    "注：此模式设置设备直接连接巴法云创客云TCP，可以通过巴法云物联网平台实现远程"
                    "外网控制，可以通过巴发云提供的API接口控制板子")),
     20, 92, 560, 80);
  AT(图片框5, new Picture(page, QStringLiteral(":/art/mode-bemfa.svg"), kDiagramSize), 600, 10, 350,
     230);
}

void MainWindow::BuildMqttPage(QWidget* page) {
  AT(标签8, Label(page, QStringLiteral("服务器地址")), 8, 6, 80, 28);
  AT(mqtt地址编辑框, Edit(page), 96, 7, 520, 28);
  AT(标签9, Label(page, QStringLiteral("服务器端口")), 8, 40, 80, 28);
  AT(mqtt端口编辑框, Edit(page), 96, 41, 264, 28);
  AT(标签10, Label(page, QStringLiteral("账号")), 8, 72, 80, 28);
  AT(mqtt账号编辑框, Edit(page), 96, 73, 520, 28);
  AT(标签11, Label(page, QStringLiteral("密码")), 8, 104, 80, 28);
  AT(mqtt密码编辑框, Edit(page), 96, 105, 520, 28);
  AT(标签12, Label(page, QStringLiteral("ClientID")), 8, 136, 80, 28);
  AT(mqtt_ID编辑框, Edit(page), 96, 137, 456, 28);
  AT(mqtt生成按钮, new QPushButton(QStringLiteral("生成"), page), 560, 136, 56, 28);
  AT(标签13, Label(page, QStringLiteral("Topic(订阅)")), 8, 168, 80, 28);
  AT(mqtt订阅编辑框, Edit(page), 96, 169, 456, 28);
  AT(mqtt填入按钮, new QPushButton(QStringLiteral("填入"), page), 560, 168, 56, 28);
  AT(标签14, Label(page, QStringLiteral("发布订阅")), 8, 200, 80, 28);
  AT(mqtt发布编辑框, Edit(page), 96, 201, 520, 28);
  AT(mqtt存模板按钮, new QPushButton(QStringLiteral("存模板"), page), 632, 216, 72, 28);
  AT(mqtt使用模板按钮, new QPushButton(QStringLiteral("使用模板"), page), 712, 216, 72, 28);
  AT(透明标签9, Label(page, QStringLiteral("注：此模式设置设备连接普通MQTT服务器")), 646, 9, 304,
     21);
  // The boxes reach x = 616 and the template buttons y = 216: the diagram goes between.
  AT(图片框6, new Picture(page, QStringLiteral(":/art/mode-mqtt.svg"), kMqttDiagramSize), 640, 34,
     kMqttDiagramSize.width(), kMqttDiagramSize.height());
}

void MainWindow::BuildBottomStrip() {
  AT(确认保存按钮, new QPushButton(QStringLiteral("写入保存设置"), this), 443, 690, 112, 40);
  AT(透明标签11, Label(this, QStringLiteral("注：需写入保存后所有设置才生效")), 574, 704, 260, 20);
}

void InstallScreenFont() {
  QFont font(QStringLiteral("Noto Sans CJK SC"));
  font.setPixelSize(12);
  font.setStyleHint(QFont::SansSerif);
  QApplication::setFont(font);
}

}  // namespace quorvane
