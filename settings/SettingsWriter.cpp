#include "settings/SettingsWriter.h"

#include "text/GbkText.h"

namespace quorvane {

SettingsWriter::SettingsWriter(QAbstractButton& writeButton, SettingsForm& form,
                               const DeviceListPanel& devices, CommandLink& link, Operator& person)
    : form_(form), devices_(devices), link_(link), person_(person) {
  connect(&writeButton, &QAbstractButton::clicked, this, &SettingsWriter::WriteSettings);
}

void SettingsWriter::WriteSettings() {
  if (auto failure = CheckSettings(form_.Snapshot())) {
    person_.ShowMessage(failure->message);
    if (failure->focus) form_.Box(*failure->focus).FieldWidget().setFocus();
    return;
  }
  if (form_.CheckedWorkMode() == WorkMode::TcpClient) form_.EnsureHeartbeatChosen();
  // The checks refuse every value that could not travel; this holds for anything they miss.
  auto record = EncodeParameterRecord(form_.ReadParameters());
  if (!record) {
    person_.ShowMessage(QStringLiteral("设置中含有无法发送给设备的字符，请修改！"));
    return;
  }
  ConfirmAndSend(*record);
}

void SettingsWriter::ConfirmAndSend(const std::string& record) {
  const QString ip = FromGbk(devices_.SelectedCell(DeviceListPanel::kIp).value_or(""));
  const QString id = FromGbk(devices_.SelectedCell(DeviceListPanel::kId).value_or(""));
  const QString question = QStringLiteral("确定要保存设备（设备IP：") + ip +
                           QStringLiteral("-设备ID：") + id +
                           QStringLiteral("） 的当前设置参数吗？");
  if (!person_.Confirm(question, QStringLiteral("写入储存提示"))) return;
  // The selection may have changed while the question was open; the record goes where it is now.
  auto target = devices_.SelectedCell(DeviceListPanel::kIp);
  if (!target) return;
  // A failed send shows nothing: operators know the success box and simply write again.
  if (link_.SendCommand(record, *target)) {
    person_.ShowMessage(QStringLiteral("写入指令发送成功！设备将自动重启生效！"));
  }
}

}  // namespace quorvane
