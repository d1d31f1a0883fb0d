#pragma once

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QWidget>

#include "text/ByteLimitedLineEdit.h"
#include "text/Ipv4AddressBox.h"
#include "text/LinkLabel.h"
#include "text/ReportListView.h"

namespace quorvane {

// The main window's layout and nothing else: every control, its name (member name and
// objectName alike), caption, place and initial state. Behaviour is attached from outside.
class MainWindow : public QWidget {
  Q_OBJECT
 public:
  static constexpr QPoint kPlace{50, 50};
  static constexpr QSize kOuterSize{1006, 768};  // with the window manager's frame

  explicit MainWindow(QWidget* parent = nullptr);

  // Panel A: the device list.
  QGroupBox* 分组框1;
  ReportListView* 超级列表框1;
  QPushButton* 寻找按钮;
  QPushButton* 退出按钮;
  QLabel* 图片框1;

  // Panel B: power-on state and address.
  QGroupBox* 上电及IP设置组;
  QFrame* 外形框1;
  QRadioButton* 上电关单选框;
  QRadioButton* 上电开单选框;
  QRadioButton* 断电记忆单选框;
  QCheckBox* 自定ID选择框;
  ByteLimitedLineEdit* 自定ID编辑框;
  QLabel* 透明标签12;
  QFrame* 外形框3;
  QRadioButton* 动态IP单选框;
  QRadioButton* 静态IP单选框;
  QLabel* 标签3;
  Ipv4AddressBox* IP编辑框;
  QLabel* 标签2;
  Ipv4AddressBox* 网关编辑框;
  QLabel* 标签4;
  Ipv4AddressBox* 掩码编辑框;

  // Panel C: work mode.
  QGroupBox* 工作模式组;
  QRadioButton* Client单选框;
  QRadioButton* Server单选框;
  QRadioButton* http单选框;
  QRadioButton* 巴法TCP单选框;
  QRadioButton* MQTT单选框;

  // Panel D: the six pages with hidden headers.
  QGroupBox* 分组框2;
  QTabWidget* 高级选择夹;

  // Page 0, home.
  QLabel* 标签15;
  QFrame* 外形框5;
  LinkLabel* 超级链接框11;
  LinkLabel* 超级链接框12;
  QLabel* 标签1;
  LinkLabel* 超级链接框1;
  LinkLabel* 超级链接框2;
  LinkLabel* 超级链接框3;
  LinkLabel* 超级链接框4;
  LinkLabel* 超级链接框5;
  LinkLabel* 超级链接框6;
  LinkLabel* 超级链接框7;
  LinkLabel* 超级链接框8;
  QFrame* 外形框4;
  LinkLabel* 超级链接框13;

  // Page 1, TCP client.
  QLabel* 标签5;
  ByteLimitedLineEdit* 服务器TCP地址编辑框;
  QLabel* 透明标签1;
  QLabel* 标签6;
  ByteLimitedLineEdit* 服务器TCP端口编辑框;
  QFrame* 外形框2;
  QRadioButton* 无心跳单选框;
  QRadioButton* Heartbeat心跳单选框;
  QRadioButton* ID心跳单选框;
  QCheckBox* 间隔1小时选择框;
  QCheckBox* 收不到100秒选择框;
  QCheckBox* 间隔1小时选择框1;  // "注册包模式…", the registration packet: always on, disabled
  QLabel* 透明标签2;
  QLabel* 图片框2;

  // Page 2, TCP server.
  QLabel* 透明标签10;
  QLabel* 透明标签5;
  QLabel* 透明标签3;
  QLabel* 图片框3;

  // Page 3, HTTP GET.
  QLabel* GET标签;
  ByteLimitedLineEdit* get编辑框;
  QPushButton* GET请求按钮1;  // "复制": copies the URL
  QLabel* 返回内容标签;
  QPushButton* GET请求按钮;  // "测试": sends the URL
  QLabel* 透明标签4;
  QLabel* 透明标签6;
  QLabel* 图片框4;

  // Page 4, Bemfa cloud.
  QLabel* 标签7;
  ByteLimitedLineEdit* 巴法云私钥编辑框;
  QLabel* 透明标签8;
  LinkLabel* 超级链接框9;
  LinkLabel* 超级链接框10;
  QLabel* 透明标签7;
  QLabel* 图片框5;

  // Page 5, MQTT.
  QLabel* 标签8;
  ByteLimitedLineEdit* mqtt地址编辑框;
  QLabel* 标签9;
  ByteLimitedLineEdit* mqtt端口编辑框;
  QLabel* 标签10;
  ByteLimitedLineEdit* mqtt账号编辑框;
  QLabel* 标签11;
  ByteLimitedLineEdit* mqtt密码编辑框;
  QLabel* 标签12;
  ByteLimitedLineEdit* mqtt_ID编辑框;
  QLabel* 标签13;
  ByteLimitedLineEdit* mqtt订阅编辑框;
  QLabel* 标签14;
  ByteLimitedLineEdit* mqtt发布编辑框;
  QPushButton* mqtt生成按钮;
  QPushButton* mqtt填入按钮;
  QPushButton* mqtt存模板按钮;
  QPushButton* mqtt使用模板按钮;
  QLabel* 透明标签9;
  QLabel* 图片框6;

  // Bottom strip.
  QPushButton* 确认保存按钮;
  QLabel* 透明标签11;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildDeviceListPanel();
  void BuildPowerAndAddressPanel();
  void BuildWorkModePanel();
  void BuildPages();
  void BuildHomePage(QWidget* page);
  void BuildTcpClientPage(QWidget* page);
  void BuildTcpServerPage(QWidget* page);
  void BuildHttpGetPage(QWidget* page);
  void BuildBemfaPage(QWidget* page);
  void BuildMqttPage(QWidget* page);
  void BuildBottomStrip();

  bool outerSizeFixed_ = false;
};

// The font every window uses: a CJK face at the size the layout's places were made for.
void InstallScreenFont();

}  // namespace quorvane
