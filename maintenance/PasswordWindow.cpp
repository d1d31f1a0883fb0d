#include "maintenance/PasswordWindow.h"

#include "text/GbkText.h"
#include "text/Placement.h"

namespace quorvane {

PasswordWindow::PasswordWindow(BoardAccess access)
    : SmallWindow("PasswordWindow", QStringLiteral("设备密码验证"), QSize(333, 196)),
      access_(access) {
  QUORVANE_AT(标签1, PlainLabel(this, QStringLiteral("验证密码")), 34, 31, 56, 24);
  QUORVANE_AT(编辑框1, new ByteLimitedLineEdit(this), 98, 31, 184, 28);
  QUORVANE_AT(按钮1, Button(QStringLiteral("确定")), 127, 93, 80, 32);
  QUORVANE_AT(标签2, PlainLabel(this, QStringLiteral("设备初始密码：5937")), 8, 142, 312, 24);
  connect(按钮1, &QPushButton::clicked, this, &PasswordWindow::SendPassword);
  connect(编辑框1, &QLineEdit::returnPressed, this, &PasswordWindow::SendPassword);
}

void PasswordWindow::SendPassword() {
  const QString password = 编辑框1->text();
  if (password.isEmpty()) {
    access_.person.ShowMessage(QStringLiteral("密码不能为空！"));
    编辑框1->setFocus();
    return;
  }
  auto ip = access_.SelectedIp();
  auto wire = ToGbk(password);
  if (!ip || !wire) return;
  if (access_.link.SendCommand("password=" + *wire, *ip)) {
    accept();
  } else {
    access_.person.ShowMessage(QStringLiteral("指令发送失败！"));
  }
}

}  // namespace quorvane
