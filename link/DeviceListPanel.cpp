#include "link/DeviceListPanel.h"

#include <QStringList>
#include <QTreeWidgetItem>

#include "link/SearchAnswer.h"
#include "text/GbkText.h"

namespace quorvane {

namespace {

constexpr int kBytesRole = Qt::UserRole;

void SetCell(QTreeWidgetItem& item, int column, const std::string& gbk) {
  item.setData(column, kBytesRole, QByteArray::fromStdString(gbk));
  item.setText(column, FromGbk(gbk));
}

void SetCell(QTreeWidgetItem& item, int column, const QString& text) {
  item.setData(column, kBytesRole, QByteArray::fromStdString(ToGbk(text).value_or(std::string())));
  item.setText(column, text);
}

}  // namespace

DeviceListPanel::DeviceListPanel(ReportListView& list, QPushButton& findButton, CommandLink& link,
                                 Operator& person)
    : list_(list), link_(link), person_(person) {
  const struct {
    Column column;
    QString caption;
    int width;
  } columns[kColumnCount] = {
      {kInfo, QStringLiteral("说明"), 100},         {kIp, QStringLiteral("设备IP"), 120},
      {kId, QStringLiteral("设备ID"), 120},         {kVersion, QStringLiteral("版本"), 120},
      {kProhibit, QStringLiteral("禁止设置"), 160},
  };
  list_.setColumnCount(kColumnCount);
  QStringList captions(kColumnCount);
  for (const auto& c : columns) captions[c.column] = c.caption;
  list_.setHeaderLabels(captions);
  for (const auto& c : columns) list_.setColumnWidth(c.column, c.width);
  connect(&findButton, &QPushButton::clicked, this, &DeviceListPanel::FindDevices);
  connect(&list_, &ReportListView::LeftClicked, this, &DeviceListPanel::ReadSelectedDevice);
  connect(&list_, &ReportListView::RightClicked, this, &DeviceListPanel::OnRightClick);
}

void DeviceListPanel::AttachReactions(ReplyDispatcher& replies) {
  replies.Attach(ReplyKind::SearchAnswer, [this](const std::string& text) { AddDeviceRow(text); });
}

void DeviceListPanel::FindDevices() {
  if (!link_.BroadcastCommand("ss")) {
    person_.ShowMessage(QStringLiteral("发送失败！"));
    return;
  }
  list_.clear();
  if (formReset_) formReset_();
}

void DeviceListPanel::AddDeviceRow(const std::string& text) {
  if (RowCount() >= kMaxRows) return;
  auto answer = ParseSearchAnswer(text);
  if (!answer) return;
  auto* item = new QTreeWidgetItem;
  SetCell(*item, kInfo, QStringLiteral("设备信息"));
  SetCell(*item, kIp, answer->ip);
  SetCell(*item, kId, answer->id);
  SetCell(*item, kVersion, answer->version);
  SetCell(*item, kProhibit, answer->prohibited ? QStringLiteral("已禁止") : QStringLiteral("允许"));
  list_.addTopLevelItem(item);
}

void DeviceListPanel::ReadSelectedDevice() {
  int row = SelectedRow();
  if (row < 0) return;
  if (SupportsParameterRead(CellText(row, kVersion))) {
    // A failed read shows nothing: the form simply does not fill, and the operator clicks again.
    link_.SendCommand("read", CellText(row, kIp));
    return;
  }
  person_.ShowMessage(
      QStringLiteral("固件版本低于2.0的设备请用老版本设置工具设置或者更新固件！\r\n\r\n"
                     "注：2x以上版本和1x的部分指令有少许修改，如果不确认是否要升级的建议不用升级"));
}

std::string DeviceListPanel::CellText(int row, int column) const {
  const QTreeWidgetItem* item = list_.topLevelItem(row);
  if (!item || column < 0 || column >= list_.columnCount()) return {};
  return item->data(column, kBytesRole).toByteArray().toStdString();
}

std::optional<std::string> DeviceListPanel::SelectedCell(int column) const {
  int row = SelectedRow();
  if (row < 0) return std::nullopt;
  return CellText(row, column);
}

void DeviceListPanel::OnRightClick(const QPoint& globalPos) {
  if (SelectedRow() >= 0 && popup_) popup_(globalPos);
}

}  // namespace quorvane
