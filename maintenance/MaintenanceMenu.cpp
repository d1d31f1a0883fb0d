#include "maintenance/MaintenanceMenu.h"

#include "maintenance/PasswordWindow.h"
#include "maintenance/ProhibitWindow.h"
#include "maintenance/SearchIdWindow.h"
#include "maintenance/WifiWindow.h"
#include "text/GbkText.h"

namespace quorvane {

namespace {

const QString kUpgradeCaption = QStringLiteral("提示");

}  // namespace

MaintenanceMenu::MaintenanceMenu(BoardAccess access) : access_(access) {
  // The menu of the original layout is a hidden top-level menu "复制"; its entries are the popup.
  menu_.setObjectName(QStringLiteral("复制"));
  menu_.setTitle(QStringLiteral("复制"));
  const struct {
    QString caption;
    void (MaintenanceMenu::*command)();
  } entries[] = {
      {QStringLiteral("搜索ID"), &MaintenanceMenu::SearchId},
      {QStringLiteral("复制ID"), &MaintenanceMenu::CopyId},
      {QStringLiteral("复制IP"), &MaintenanceMenu::CopyIp},
      {QStringLiteral("重启设备"), &MaintenanceMenu::Restart},
      {QStringLiteral("设置禁止"), &MaintenanceMenu::SetProhibit},
      {QStringLiteral("修改WiFi连接"), &MaintenanceMenu::ChangeWifi},
      {QStringLiteral("解锁开关"), &MaintenanceMenu::QueryKeyLock},
      {QStringLiteral("上电配网状态"), &MaintenanceMenu::QueryConfigMode},
      {QStringLiteral("强制升级固件       "), &MaintenanceMenu::ForceUpgrade},  // 7 blanks
  };
  for (const auto& entry : entries) {
    if (!menu_.isEmpty()) menu_.addSeparator();
    menu_.addAction(entry.caption, this, entry.command);
  }
  access_.devices.SetPopupRequest([this](const QPoint& at) { Popup(at); });
}

void MaintenanceMenu::Popup(const QPoint& at) { access_.person.ChooseFromMenu(menu_, at); }

void MaintenanceMenu::SearchId() {
  SearchIdWindow window(access_);
  access_.person.RunModal(window);
}

void MaintenanceMenu::Copy(int column, const QString& done) {
  auto cell = access_.devices.SelectedCell(column);
  if (!cell) return;
  // Desktops here exchange Unicode text; the characters are the cell's own.
  if (access_.person.SetClipboardText(FromGbk(*cell))) access_.person.ShowMessage(done);
}

void MaintenanceMenu::CopyId() { Copy(DeviceListPanel::kId, QStringLiteral("ID已复制")); }

void MaintenanceMenu::CopyIp() { Copy(DeviceListPanel::kIp, QStringLiteral("IP已复制")); }

void MaintenanceMenu::Restart() {
  auto ip = access_.SelectedIp();
  if (!ip) return;
  // Only success has a box; a failed send leaves the operator to try again.
  if (access_.link.SendCommand("rest", *ip)) {
    access_.person.ShowMessage(QStringLiteral("重启指令发送成功"));
  }
}

void MaintenanceMenu::SetProhibit() {
  if (!access_.SelectedIp()) return;
  PasswordWindow window(access_);
  access_.person.RunModal(window);
}

void MaintenanceMenu::OpenProhibitWindow() {
  ProhibitWindow window(access_);
  access_.person.RunModal(window);
}

void MaintenanceMenu::ChangeWifi() {
  if (!access_.person.Confirm(
          QStringLiteral(
              "修改WiFi连接会导致设备连接到新WiFi之后与当前工具断开，无法再次设置，需要设置"
              "软件再次连接到设备连接的新WiFi上面才能搜索出设备来！谨慎操作！"),
          QStringLiteral("谨慎操作"))) {
    return;
  }
  WifiWindow window(access_);
  access_.person.RunModal(window);
}

// The board's answer starts the conversation of the maintenance answers; a failed send shows
// nothing, as no answer will come.
void MaintenanceMenu::QueryKeyLock() {
  if (auto ip = access_.SelectedIp()) access_.link.SendCommand("qh", *ip);
}

void MaintenanceMenu::QueryConfigMode() {
  if (auto ip = access_.SelectedIp()) access_.link.SendCommand("appz=?", *ip);
}

void MaintenanceMenu::ForceUpgrade() {
  if (!access_.person.Confirm(
          QStringLiteral("升级固件有风险！建议没有问题情况下勿升级！确认要升级吗？"),
          kUpgradeCaption) ||
      !access_.person.Confirm(
          QStringLiteral(
              "升级过程中请勿断网断电！否则将导致无法开机！确认设备已经连接互联网了吗？"),
          kUpgradeCaption)) {
    return;
  }
  auto ip = access_.SelectedIp();  // read after the questions: the selection may have changed
  if (!ip) return;
  if (access_.link.SendCommand("OTA", *ip)) {
    access_.person.ShowMessage(
        QStringLiteral(
            "升级指令已发送成功！升级过程根据网速一般在30-60秒左右，升级完成后如搜索不出设"
            "备请重新配网！"),
        kUpgradeCaption);
  }
}

}  // namespace quorvane
