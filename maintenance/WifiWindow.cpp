#include "maintenance/WifiWindow.h"

#include "maintenance/WifiChecks.h"
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
  if (auto refusal = CheckWifi(编辑框1->text(), 编辑框2->text())) {
    access_.person.ShowMessage(refusal->message);
    if (refusal->focus) (*refusal->focus == WifiBox::Name ? 编辑框1 : 编辑框2)->setFocus();
    return;
  }
  auto ip = access_.SelectedIp();
  auto command = WifiCommand(编辑框1->text(), 编辑框2->text());
  if (!ip || !command) return;
  // A failed send is not reported: the window stays open and the operator presses again.
  if (access_.link.SendCommand(*command, *ip)) accept();
}

}  // namespace quorvane
