#include "maintenance/WifiWindow.h"

#include "text/GbkText.h"
#include "text/Placement.h"

namespace quorvane {

WifiWindow::WifiWindow(BoardAccess access)
    : SmallWindow("WifiWindow", QStringLiteral("修改WiFi连接"), QSize(333, 196)), access_(access) {
  QUORVANE_AT(标签3, PlainLabel(this, QStringLiteral("不支持中文WiFi名称")), 128, 8, 176, 16);
  QUORVANE_AT(标签1, PlainLabel(this, QStringLiteral("新WiFi名称（SSID）")), 8, 31, 112, 24);
  QUORVANE_AT(编辑框1, new ByteLimitedLineEdit(this), 122, 31, 184, 28);
  QUORVANE_AT(标签2, PlainLabel(this, QStringLiteral("新WiFi密码")), 40, 72, 72, 24);
  QUORVANE_AT(编辑框2, new ByteLimitedLineEdit(this), 122, 72, 184, 28);
  QUORVANE_AT(按钮1, Button(QStringLiteral("确定修改")), 119, 125, 89, 32);
  connect(按钮1, &QPushButton::clicked, this, &WifiWindow::SendWifi);
}

void WifiWindow::SendWifi() {
  const QString ssid = 编辑框1->text();
  const QString password = 编辑框2->text();
  if (ssid.isEmpty()) {
    access_.person.ShowMessage(QStringLiteral("请输入正确的WiFi名称"));
    return;
  }
  if (password.isEmpty()) {
    access_.person.ShowMessage(QStringLiteral("请输入正确的WiFi器密码"));
    return;
  }
  // The board splits name and password at the first "|": a "|" in either would make it join
  // the wrong network, after which no tool could reach it.
  if (ssid.contains(u'|')) {
    access_.person.ShowMessage(QStringLiteral("WiFi名称中不能含有字符“|”，请修改！"));
    编辑框1->setFocus();
    return;
  }
  if (password.contains(u'|')) {
    access_.person.ShowMessage(QStringLiteral("WiFi密码中不能含有字符“|”，请修改！"));
    编辑框2->setFocus();
    return;
  }
  auto ip = access_.SelectedIp();
  auto wireSsid = ToGbk(ssid);
  auto wirePassword = ToGbk(password);
  if (!ip || !wireSsid || !wirePassword) return;
  // A failed send is not reported: the window stays open and the operator presses again.
  if (access_.link.SendCommand("wifi=" + *wireSsid + "|" + *wirePassword, *ip)) accept();
}

}  // namespace quorvane
