#include "settings/SettingsForm.h"

#include <algorithm>

#include "constants/Board.h"
#include "text/ByteLimitedLineEdit.h"
#include "text/GbkText.h"

namespace quorvane {

namespace {

// Every box's text could be encoded when it was typed or shown; what could not was refused by
// the write checks before anything is read for a write.
std::string Gbk(const QString& text) { return ToGbk(text).value_or(std::string()); }

template <class Enum>
size_t Digit(Enum value) {
  return static_cast<size_t>(value);
}

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

SettingsForm::SettingsForm(const SettingsControls& controls, const DeviceListPanel& devices,
                           const HostAddressSource& host)
    : c_(controls), devices_(devices), host_(host) {
  for (const FormFieldSpec& spec : kFormFields) {
    if (spec.input == FieldInput::Address) continue;  // the address box admits only numbers
    auto* edit = qobject_cast<ByteLimitedLineEdit*>(&Box(spec.field).FieldWidget());
    Q_ASSERT(edit);
    edit->SetInputLimit(spec.maxBytes, spec.input == FieldInput::Digits
                                           ? GbkInputValidator::Kind::Digits
                                           : GbkInputValidator::Kind::Text);
  }
  for (WorkMode mode : kWorkModes) {
    connect(c_.modeRadios[IndexOf(mode)], &QAbstractButton::clicked, this,
            [this, mode] { OnWorkModeClicked(mode); });
  }
  connect(AddressRadios()[Digit(IpMode::Dynamic)], &QAbstractButton::clicked, this,
          &SettingsForm::OnDynamicIpClicked);
  connect(AddressRadios()[Digit(IpMode::Static)], &QAbstractButton::clicked, this,
          &SettingsForm::OnStaticIpClicked);
  connect(c_.customIdCheck, &QAbstractButton::clicked, this, &SettingsForm::OnCustomIdClicked);
}

void SettingsForm::AttachReactions(ReplyDispatcher& replies) {
  replies.Attach(ReplyKind::ParameterRecord,
                 [this](const std::string& text, const std::string& sender) {
                   ApplyParameterReply(text, sender);
                 });
}

TextField& SettingsForm::Box(FormField field) const {
  return *c_.boxes[static_cast<size_t>(field)];
}

QAbstractButton* SettingsForm::DefaultHeartbeat() const {
  return HeartbeatRadios()[Digit(HeartbeatMode::Heartbeat)];
}

std::optional<WorkMode> SettingsForm::CheckedWorkMode() const {
  const int index = CheckedIndex(ModeRadios());
  if (index < 0) return std::nullopt;
  return kWorkModes[static_cast<size_t>(index)];
}

QString SettingsForm::DerivedIp(bool fromRecord, const QString& placeholder) const {
  auto ip = devices_.SelectedCell(DeviceListPanel::kIp);
  if (ip) return FromGbk(*ip);
  return fromRecord ? QString() : placeholder;
}

void SettingsForm::ShowWorkMode(WorkMode mode, bool fromRecord) {
  c_.pages->setCurrentIndex(PageOf(mode));
  if (mode == WorkMode::TcpServer) {
    c_.tcpServerAddress->setText(
        QStringLiteral("设备TCP地址：") + DerivedIp(fromRecord, QStringLiteral("设备IP")) +
        QStringLiteral("    端口：") + QString::number(kBoardTcpServerPort));
  } else if (mode == WorkMode::HttpGet) {
    c_.httpGetUrl->setText(QStringLiteral("http://") +
                           DerivedIp(fromRecord, QStringLiteral("设备IP地址")) +
                           QStringLiteral("/?command=c1"));
  }
}

void SettingsForm::SetAddressBoxesEnabled(bool enabled) {
  for (FormField field : {FormField::IpAddress, FormField::Gateway, FormField::Netmask}) {
    Box(field).FieldWidget().setEnabled(enabled);
  }
}

void SettingsForm::ShowParameters(const DecodedParameters& p) {
  if (p.powerOnState) CheckOnly(PowerRadios(), PowerRadios()[Digit(*p.powerOnState)]);

  // The custom-ID box keeps its enabled state: only the operator's click changes it.
  c_.customIdCheck->setChecked(p.customIdEnabled);
  const bool isStatic = p.ipMode == IpMode::Static;
  CheckOnly(AddressRadios(), AddressRadios()[Digit(p.ipMode)]);
  for (const FormFieldSpec& spec : kFormFields) {
    if (spec.mode) continue;
    const bool carried = spec.field == FormField::CustomId ? p.customIdEnabled : isStatic;
    Box(spec.field).SetFieldText(carried ? FromGbk(p.*spec.piece) : QString());
  }
  SetAddressBoxesEnabled(isStatic);

  if (!p.workMode) return;
  const WorkMode mode = *p.workMode;
  CheckOnly(ModeRadios(), ModeRadios()[IndexOf(mode)]);
  ShowWorkMode(mode, /*fromRecord=*/true);
  if (!p.modeFieldsPresent) return;

  for (const FormFieldSpec& spec : kFormFields) {
    if (spec.mode == mode) Box(spec.field).SetFieldText(FromGbk(p.*spec.piece));
  }
  if (mode == WorkMode::TcpClient) {
    if (p.heartbeatMode) {
      CheckOnly(HeartbeatRadios(), HeartbeatRadios()[Digit(*p.heartbeatMode)]);
    }
    c_.reconnectHourly->setChecked(p.reconnectHourly);
    c_.reconnectOnSilence->setChecked(p.reconnectOnSilence);
  }
}

void SettingsForm::ApplyParameterReply(const std::string& text, const std::string& sender) {
  // Only the selected board's own record: anyone on the LAN can send one, and the write that
  // follows goes to the selected board.
  auto selected = devices_.SelectedCell(DeviceListPanel::kIp);
  if (!selected || sender.empty() || *selected != sender) return;
  if (auto decoded = DecodeParameterRecord(text)) ShowParameters(*decoded);
}

DeviceParameters SettingsForm::ReadParameters() const {
  DeviceParameters p;
  for (const FormFieldSpec& spec : kFormFields) p.*spec.piece = Gbk(Box(spec.field).FieldText());
  // The write checks ran first, so every choice below is made; the defaults are never sent.
  p.powerOnState = static_cast<PowerOnState>(std::max(0, CheckedIndex(PowerRadios())));
  p.customIdEnabled = c_.customIdCheck->isChecked();
  p.ipMode = AddressRadios()[Digit(IpMode::Static)]->isChecked() ? IpMode::Static : IpMode::Dynamic;
  p.workMode = CheckedWorkMode().value_or(WorkMode::TcpServer);
  const int heartbeat = CheckedIndex(HeartbeatRadios());
  p.heartbeatMode =
      heartbeat < 0 ? HeartbeatMode::Heartbeat : static_cast<HeartbeatMode>(heartbeat);
  p.reconnectHourly = c_.reconnectHourly->isChecked();
  p.reconnectOnSilence = c_.reconnectOnSilence->isChecked();
  return p;
}

void SettingsForm::ClearSettingsForm() {
  c_.pages->setCurrentIndex(kHomePage);
  CheckOnly(PowerRadios(), nullptr);
  c_.customIdCheck->setChecked(false);
  CheckOnly(AddressRadios(), nullptr);
  CheckOnly(ModeRadios(), nullptr);
  CheckOnly(HeartbeatRadios(), DefaultHeartbeat());
  c_.reconnectHourly->setChecked(false);
  c_.reconnectOnSilence->setChecked(false);
  for (const FormFieldSpec& spec : kFormFields) Box(spec.field).SetFieldText(QString());
  c_.httpGetUrl->clear();
  c_.httpGetAnswer->clear();
}

std::optional<std::string> SettingsForm::DefaultStaticGateway() const {
  return GatewayForAddresses(host_.OwnIpv4Addresses());
}

void SettingsForm::OnWorkModeClicked(WorkMode mode) { ShowWorkMode(mode, /*fromRecord=*/false); }

void SettingsForm::OnDynamicIpClicked() { SetAddressBoxesEnabled(false); }

void SettingsForm::OnStaticIpClicked() {
  if (!AddressRadios()[Digit(IpMode::Static)]->isChecked()) return;
  SetAddressBoxesEnabled(true);
  if (auto gateway = DefaultStaticGateway()) {
    Box(FormField::Gateway).SetFieldText(QString::fromStdString(*gateway));
    Box(FormField::Netmask).SetFieldText(QStringLiteral("255.255.255.0"));
  }
}

void SettingsForm::OnCustomIdClicked() {
  const bool checked = c_.customIdCheck->isChecked();
  Box(FormField::CustomId).FieldWidget().setEnabled(checked);
  if (!checked) Box(FormField::CustomId).SetFieldText(QString());
}

SettingsSnapshot SettingsForm::Snapshot() const {
  SettingsSnapshot s;
  for (const FormFieldSpec& spec : kFormFields) s[spec.field] = Box(spec.field).FieldText();
  s.rowSelected = devices_.SelectedRow() >= 0;
  s.powerChosen = CheckedIndex(PowerRadios()) >= 0;
  s.customIdEnabled = c_.customIdCheck->isChecked();
  s.dynamicIp = AddressRadios()[Digit(IpMode::Dynamic)]->isChecked();
  s.staticIp = AddressRadios()[Digit(IpMode::Static)]->isChecked();
  s.workMode = CheckedWorkMode();
  return s;
}

void SettingsForm::EnsureHeartbeatChosen() {
  if (CheckedIndex(HeartbeatRadios()) < 0) CheckOnly(HeartbeatRadios(), DefaultHeartbeat());
}

}  // namespace quorvane
