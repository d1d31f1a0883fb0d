#include "maintenance/ProhibitWindow.h"

#include <QThread>

#include "text/GbkText.h"
#include "text/Placement.h"

namespace quorvane {

ProhibitWindow::ProhibitWindow(BoardAccess access)
    : SmallWindow("ProhibitWindow", QStringLiteral("设置禁止"), QSize(380, 250)), access_(access) {
  QUORVANE_AT(选择框1, new QCheckBox(QStringLiteral("禁止设置（隐藏参数）"), this), 128, 40, 160,
              24);
  QUORVANE_AT(标签1, PlainLabel(this, QStringLiteral("修改密码")), 32, 113, 64, 28);
  QUORVANE_AT(编辑框1,
              new ByteLimitedLineEdit(kNewPasswordBytes, GbkInputValidator::Kind::Text, this), 104,
              113, 168, 28);
  QUORVANE_AT(标签2, PlainLabel(this, QStringLiteral("留空不改")), 280, 112, 64, 28);
  QUORVANE_AT(按钮1, Button(QStringLiteral("确认设置")), 148, 173, 80, 32);
  connect(按钮1, &QPushButton::clicked, this, &ProhibitWindow::SendProhibit);
  connect(编辑框1, &QLineEdit::returnPressed, this, &ProhibitWindow::SendProhibit);
}

void ProhibitWindow::SendProhibit() {
  auto ip = access_.SelectedIp();
  if (!ip) return;
  const std::string flag = 选择框1->isChecked() ? "1" : "0";
  if (!access_.link.SendCommand("prohibit=" + flag, *ip)) {
    access_.person.ShowMessage(QStringLiteral("禁止指令发送失败！"));
    return;
  }
  // The board needs a moment between the two commands; nothing else runs meanwhile, so no
  // click or answer can change the selection in between.
  QThread::msleep(kPauseMs);

  const QString newPassword = 编辑框1->text();
  if (!newPassword.isEmpty()) {
    auto again = access_.SelectedIp();
    auto wire = ToGbk(newPassword);
    if (!again || !wire || !access_.link.SendCommand("szpassword=" + *wire, *again)) {
      access_.person.ShowMessage(QStringLiteral("修改密码指令发送失败！"));
      return;
    }
  }
  accept();
  access_.person.ShowMessage(QStringLiteral("操作指令发送成功！请重新搜索设备验证是否设置成功！"));
}

}  // namespace quorvane
