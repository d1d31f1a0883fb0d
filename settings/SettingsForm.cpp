#include "settings/SettingsForm.h"

#include <algorithm>

#include "text/GbkText.h"

namespace quorvane {

namespace {

std::string Gbk(const QString& text) { return ToGbk(text).value_or(std::string()); }

}  // namespace

void CheckOnly(std::span<QAbstractButton* const> set, QAbstractButton* checked) {
  for (QAbstractButton* button : set) {
    // An auto-exclusive radio refuses to be unchecked; lift that for the moment of the change.
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(button == checked);
    button->setAutoExclusive(exclusive);
  }
}

int CheckedIndex(std::span<QAbstractButton* const> set) {
  for (size_t i = 0; i < set.size(); ++i) {
    if (set[i]->isChecked()) return static_cast<int>(i);
  }
  return -1;
}

SettingsForm::SettingsForm(MainWindow& window, const DeviceListPanel& devices,
                           const HostAddressSource& host)
    : w_(window), devices_(devices), host_(host) {
  const auto modes = ModeRadios();
  for (size_t i = 0; i < modes.size(); ++i) {
    const auto mode = static_cast<WorkMode>(i + 1);
    connect(modes[i], &QAbstractButton::clicked, this, [this, mode] { OnWorkModeClicked(mode); });
  }
  connect(w_.动态IP单选框, &QAbstractButton::clicked, this, &SettingsForm::OnDynamicIpClicked);
  connect(w_.静态IP单选框, &QAbstractButton::clicked, this, &SettingsForm::OnStaticIpClicked);
  connect(w_.自定ID选择框, &QAbstractButton::clicked, this, &SettingsForm::OnCustomIdClicked);
}

std::array<QAbstractButton*, 3> SettingsForm::PowerRadios() const {
  return {w_.上电关单选框, w_.上电开单选框, w_.断电记忆单选框};
}

std::array<QAbstractButton*, 2> SettingsForm::AddressRadios() const {
  return {w_.动态IP单选框, w_.静态IP单选框};
}

std::array<QAbstractButton*, 5> SettingsForm::ModeRadios() const {
  return {w_.Client单选框, w_.Server单选框, w_.http单选框, w_.巴法TCP单选框, w_.MQTT单选框};
}

std::array<QAbstractButton*, 3> SettingsForm::HeartbeatRadios() const {
  return {w_.无心跳单选框, w_.Heartbeat心跳单选框, w_.ID心跳单选框};
}

std::optional<WorkMode> SettingsForm::CheckedWorkMode() const {
  const int index = CheckedIndex(ModeRadios());
  if (index < 0) return std::nullopt;
  return static_cast<WorkMode>(index + 1);
}

QString SettingsForm::DerivedIp(bool fromRecord, const QString& placeholder) const {
  auto ip = devices_.SelectedCell(DeviceListPanel::kIp);
  if (ip) return FromGbk(*ip);
  return fromRecord ? QString() : placeholder;
}

void SettingsForm::ShowWorkMode(WorkMode mode, bool fromRecord) {
  w_.高级选择夹->setCurrentIndex(static_cast<int>(mode));
  if (mode == WorkMode::TcpServer) {
    w_.透明标签10->setText(QStringLiteral("设备TCP地址：") +
                           DerivedIp(fromRecord, QStringLiteral("设备IP")) +
                           QStringLiteral("    端口：8282"));
  } else if (mode == WorkMode::HttpGet) {
    w_.get编辑框->setText(QStringLiteral("http://") +
                          DerivedIp(fromRecord, QStringLiteral("设备IP地址")) +
                          QStringLiteral("/?command=c1"));
  }
}

void SettingsForm::SetAddressBoxesEnabled(bool enabled) {
  w_.IP编辑框->setEnabled(enabled);
  w_.网关编辑框->setEnabled(enabled);
  w_.掩码编辑框->setEnabled(enabled);
}

void SettingsForm::ShowParameters(const DecodedParameters& p) {
  if (p.powerOnState) {
    CheckOnly(PowerRadios(), PowerRadios()[static_cast<size_t>(*p.powerOnState)]);
  }

  // The custom-ID box keeps its enabled state: only the operator's click changes it.
  w_.自定ID选择框->setChecked(p.customIdEnabled);
  w_.自定ID编辑框->setText(p.customIdEnabled ? FromGbk(p.customId) : QString());

  const bool isStatic = p.ipMode == IpMode::Static;
  CheckOnly(AddressRadios(), AddressRadios()[static_cast<size_t>(p.ipMode)]);
  w_.IP编辑框->SetText(isStatic ? FromGbk(p.ipAddress) : QString());
  w_.网关编辑框->SetText(isStatic ? FromGbk(p.gateway) : QString());
  w_.掩码编辑框->SetText(isStatic ? FromGbk(p.netmask) : QString());
  SetAddressBoxesEnabled(isStatic);

  if (!p.workMode) return;
  const WorkMode mode = *p.workMode;
  CheckOnly(ModeRadios(), ModeRadios()[static_cast<size_t>(mode) - 1]);
  ShowWorkMode(mode, /*fromRecord=*/true);
  if (!p.modeFieldsPresent) return;

  switch (mode) {
    case WorkMode::TcpClient:
      w_.服务器TCP地址编辑框->setText(FromGbk(p.serverAddress));
      w_.服务器TCP端口编辑框->setText(FromGbk(p.serverPort));
      if (p.heartbeatMode) {
        CheckOnly(HeartbeatRadios(), HeartbeatRadios()[static_cast<size_t>(*p.heartbeatMode)]);
      }
      w_.间隔1小时选择框->setChecked(p.reconnectHourly);
      w_.收不到100秒选择框->setChecked(p.reconnectOnSilence);
      break;
    case WorkMode::BemfaTcp:
      w_.巴法云私钥编辑框->setText(FromGbk(p.bemfaKey));
      break;
    case WorkMode::Mqtt:
      w_.mqtt地址编辑框->setText(FromGbk(p.mqttHost));
      w_.mqtt端口编辑框->setText(FromGbk(p.mqttPort));
      w_.mqtt账号编辑框->setText(FromGbk(p.mqttAccount));
      w_.mqtt密码编辑框->setText(FromGbk(p.mqttPassword));
      w_.mqtt_ID编辑框->setText(FromGbk(p.mqttClientId));
      // Subscribe before publish: the publish box may mirror the subscribe box, and the
      // record's own publish topic has to be what stays.
      w_.mqtt订阅编辑框->setText(FromGbk(p.mqttSubscribeTopic));
      w_.mqtt发布编辑框->setText(FromGbk(p.mqttPublishTopic));
      break;
    case WorkMode::TcpServer:
    case WorkMode::HttpGet:
      break;
  }
}

void SettingsForm::ApplyParameterReply(const std::string& text) {
  if (auto decoded = DecodeParameterRecord(text)) ShowParameters(*decoded);
}

DeviceParameters SettingsForm::ReadParameters() const {
  DeviceParameters p;
  p.powerOnState = static_cast<PowerOnState>(std::max(0, CheckedIndex(PowerRadios())));
  p.customIdEnabled = w_.自定ID选择框->isChecked();
  p.customId = Gbk(w_.自定ID编辑框->text());
  p.ipMode = w_.静态IP单选框->isChecked() ? IpMode::Static : IpMode::Dynamic;
  p.ipAddress = Gbk(w_.IP编辑框->Text());
  p.gateway = Gbk(w_.网关编辑框->Text());
  p.netmask = Gbk(w_.掩码编辑框->Text());
  p.workMode = CheckedWorkMode().value_or(WorkMode::TcpServer);
  p.serverAddress = Gbk(w_.服务器TCP地址编辑框->text());
  p.serverPort = Gbk(w_.服务器TCP端口编辑框->text());
  const int heartbeat = CheckedIndex(HeartbeatRadios());
  p.heartbeatMode = heartbeat < 0 ? HeartbeatMode::Heartbeat : static_cast<HeartbeatMode>(heartbeat);
  p.reconnectHourly = w_.间隔1小时选择框->isChecked();
  p.reconnectOnSilence = w_.收不到100秒选择框->isChecked();
  p.bemfaKey = Gbk(w_.巴法云私钥编辑框->text());
  p.mqttHost = Gbk(w_.mqtt地址编辑框->text());
  p.mqttPort = Gbk(w_.mqtt端口编辑框->text());
  p.mqttAccount = Gbk(w_.mqtt账号编辑框->text());
  p.mqttPassword = Gbk(w_.mqtt密码编辑框->text());
  p.mqttClientId = Gbk(w_.mqtt_ID编辑框->text());
  p.mqttSubscribeTopic = Gbk(w_.mqtt订阅编辑框->text());
  p.mqttPublishTopic = Gbk(w_.mqtt发布编辑框->text());
  return p;
}

void SettingsForm::ClearSettingsForm() {
  w_.高级选择夹->setCurrentIndex(MainWindow::kHomePage);
  CheckOnly(PowerRadios(), nullptr);
  w_.自定ID选择框->setChecked(false);
  w_.自定ID编辑框->clear();
  CheckOnly(AddressRadios(), nullptr);
  w_.IP编辑框->SetText(QString());
  w_.网关编辑框->SetText(QString());
  w_.掩码编辑框->SetText(QString());
  CheckOnly(ModeRadios(), nullptr);
  w_.服务器TCP地址编辑框->clear();
  w_.服务器TCP端口编辑框->clear();
  CheckOnly(HeartbeatRadios(), w_.Heartbeat心跳单选框);
  w_.间隔1小时选择框->setChecked(false);
  w_.收不到100秒选择框->setChecked(false);
  w_.get编辑框->clear();
  w_.返回内容标签->clear();
  w_.巴法云私钥编辑框->clear();
  // Subscribe before publish, as everywhere the two are written.
  for (QLineEdit* box : std::initializer_list<QLineEdit*>{
           w_.mqtt地址编辑框, w_.mqtt端口编辑框, w_.mqtt账号编辑框, w_.mqtt密码编辑框,
           w_.mqtt_ID编辑框, w_.mqtt订阅编辑框, w_.mqtt发布编辑框}) {
    box->clear();
  }
}

std::optional<std::string> SettingsForm::DefaultStaticGateway() const {
  return GatewayForAddresses(host_.OwnIpv4Addresses());
}

void SettingsForm::OnWorkModeClicked(WorkMode mode) { ShowWorkMode(mode, /*fromRecord=*/false); }

void SettingsForm::OnDynamicIpClicked() { SetAddressBoxesEnabled(false); }

void SettingsForm::OnStaticIpClicked() {
  if (!w_.静态IP单选框->isChecked()) return;
  SetAddressBoxesEnabled(true);
  if (auto gateway = DefaultStaticGateway()) {
    w_.网关编辑框->SetText(QString::fromStdString(*gateway));
    w_.掩码编辑框->SetText(QStringLiteral("255.255.255.0"));
  }
}

void SettingsForm::OnCustomIdClicked() {
  const bool checked = w_.自定ID选择框->isChecked();
  w_.自定ID编辑框->setEnabled(checked);
  if (!checked) w_.自定ID编辑框->clear();
}

SettingsSnapshot SettingsForm::Snapshot() const {
  SettingsSnapshot s;
  s.rowSelected = devices_.SelectedRow() >= 0;
  s.powerChosen = CheckedIndex(PowerRadios()) >= 0;
  s.customIdEnabled = w_.自定ID选择框->isChecked();
  s.customId = w_.自定ID编辑框->text();
  s.dynamicIp = w_.动态IP单选框->isChecked();
  s.staticIp = w_.静态IP单选框->isChecked();
  s.ipAddress = w_.IP编辑框->Text();
  s.gateway = w_.网关编辑框->Text();
  s.netmask = w_.掩码编辑框->Text();
  s.workMode = CheckedWorkMode();
  s.serverAddress = w_.服务器TCP地址编辑框->text();
  s.serverPort = w_.服务器TCP端口编辑框->text();
  s.bemfaKey = w_.巴法云私钥编辑框->text();
  s.mqttHost = w_.mqtt地址编辑框->text();
  s.mqttPort = w_.mqtt端口编辑框->text();
  s.mqttAccount = w_.mqtt账号编辑框->text();
  s.mqttPassword = w_.mqtt密码编辑框->text();
  s.mqttClientId = w_.mqtt_ID编辑框->text();
  s.mqttSubscribeTopic = w_.mqtt订阅编辑框->text();
  s.mqttPublishTopic = w_.mqtt发布编辑框->text();
  return s;
}

QWidget* SettingsForm::WidgetFor(FormField field) const {
  switch (field) {
    case FormField::None: return nullptr;
    case FormField::CustomId: return w_.自定ID编辑框;
    case FormField::ServerAddress: return w_.服务器TCP地址编辑框;
    case FormField::ServerPort: return w_.服务器TCP端口编辑框;
    case FormField::BemfaKey: return w_.巴法云私钥编辑框;
    case FormField::MqttHost: return w_.mqtt地址编辑框;
    case FormField::MqttPort: return w_.mqtt端口编辑框;
    case FormField::MqttAccount: return w_.mqtt账号编辑框;
    case FormField::MqttPassword: return w_.mqtt密码编辑框;
    case FormField::MqttClientId: return w_.mqtt_ID编辑框;
    case FormField::MqttSubscribeTopic: return w_.mqtt订阅编辑框;
    case FormField::MqttPublishTopic: return w_.mqtt发布编辑框;
  }
  return nullptr;
}

void SettingsForm::EnsureHeartbeatChosen() {
  if (CheckedIndex(HeartbeatRadios()) < 0) CheckOnly(HeartbeatRadios(), w_.Heartbeat心跳单选框);
}

}  // namespace quorvane
