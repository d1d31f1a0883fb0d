#include "fleet/SettingsView.h"

#include <QJsonValue>
#include <algorithm>

#include "fleet/SettingFields.h"
#include "link/Ipv4Text.h"
#include "text/Gbk.h"
#include "text/GbkText.h"

namespace quorvane {

namespace {

const QString kGbkHex = QStringLiteral("gbkHex");

}  // namespace

QJsonValue GbkTextValue(const std::string& gbk) {
  const std::string utf8 = GbkToUtf8(gbk);
  if (Utf8ToGbk(utf8) == gbk) return QString::fromStdString(utf8);
  return QJsonObject{{kGbkHex, QString::fromLatin1(QByteArray::fromStdString(gbk).toHex())}};
}

namespace {

// The GBK bytes of a text value; nothing when it is neither form.
std::optional<std::string> TextBytes(const QJsonValue& value) {
  if (value.isString()) return ToGbk(value.toString());
  if (!value.isObject()) return std::nullopt;
  const QJsonObject object = value.toObject();
  if (object.size() != 1 || !object.value(kGbkHex).isString()) return std::nullopt;
  const QByteArray hex = object.value(kGbkHex).toString().toLatin1();
  const QByteArray bytes = QByteArray::fromHex(hex);
  if (bytes.toHex() != hex.toLower()) return std::nullopt;  // not hex digits in pairs
  return bytes.toStdString();
}

template <size_t N>
QJsonValue NameOf(const std::array<const char*, N>& names, size_t index) {
  return QString::fromUtf8(names[index]);
}

template <size_t N>
std::optional<size_t> IndexOfName(const std::array<const char*, N>& names,
                                  const QJsonValue& value) {
  if (!value.isString()) return std::nullopt;
  for (size_t i = 0; i < N; ++i) {
    if (value.toString() == QString::fromUtf8(names[i])) return i;
  }
  return std::nullopt;
}

template <size_t N>
QString Spellings(const std::array<const char*, N>& names) {
  QStringList list;
  for (const char* name : names) list << QString::fromUtf8(name);
  return list.join(QStringLiteral(", "));
}

// Whether a record of these settings carries the field: the window writes it (form is these
// settings as the window's form shows them) and the record was long enough to hold it.
bool Carries(const SettingField& field, const DecodedParameters& p, const SettingsSnapshot& form) {
  switch (field.kind) {
    case SettingKind::PowerOnState: return p.powerOnState.has_value();
    case SettingKind::WorkMode: return p.workMode.has_value();
    case SettingKind::IpMode: return true;
    case SettingKind::HeartbeatMode:
      return p.modeFieldsPresent && p.workMode == WorkMode::TcpClient && p.heartbeatMode;
    case SettingKind::Flag:
      if (field.flag == &DecodedParameters::customIdEnabled) return true;
      return p.modeFieldsPresent && p.workMode == WorkMode::TcpClient;
    case SettingKind::Text: break;
  }
  const FormFieldSpec& spec = SpecOf(*field.text);
  if (!IsWritten(spec, form)) return false;
  if (spec.mode) return p.modeFieldsPresent;
  return spec.field == FormField::CustomId || p.addressesPresent;
}

QJsonValue ValueOf(const SettingField& field, const DecodedParameters& p) {
  switch (field.kind) {
    case SettingKind::PowerOnState:
      return NameOf(kPowerOnStateNames, static_cast<size_t>(*p.powerOnState));
    case SettingKind::WorkMode: return NameOf(kWorkModeNames, IndexOf(*p.workMode));
    case SettingKind::IpMode: return NameOf(kIpModeNames, static_cast<size_t>(p.ipMode));
    case SettingKind::HeartbeatMode:
      return NameOf(kHeartbeatModeNames, static_cast<size_t>(*p.heartbeatMode));
    case SettingKind::Flag: return p.*field.flag;
    case SettingKind::Text: break;
  }
  return GbkTextValue(p.*SpecOf(*field.text).piece);
}

std::optional<QString> CheckText(const FormFieldSpec& spec, const QJsonValue& value) {
  const std::optional<std::string> bytes = TextBytes(value);
  if (!bytes) {
    if (value.isString()) return UnsafeValueMessage(spec, value.toString());
    return QStringLiteral("must be a string or {\"gbkHex\": \"...\"}");
  }
  // A "|" of its own, or a lead byte at its end, would shift every later piece on the board.
  if (!TravelsAsOnePiece(*bytes)) {
    return UnsafeValueMessage(spec, QStringLiteral("|")).value_or(QString());
  }
  if (spec.maxBytes > 0 && bytes->size() > static_cast<size_t>(spec.maxBytes)) {
    return QStringLiteral("is %1 bytes in GBK; its box takes at most %2")
        .arg(bytes->size())
        .arg(spec.maxBytes);
  }
  if (spec.input == FieldInput::Digits &&
      !std::all_of(bytes->begin(), bytes->end(), [](char c) { return c >= '0' && c <= '9'; })) {
    return QStringLiteral("must be decimal digits only");
  }
  if (spec.input == FieldInput::Address && !bytes->empty() && !IsDottedIpv4(*bytes)) {
    return QStringLiteral("must be a dotted IPv4 address such as 192.168.1.50");
  }
  return std::nullopt;
}

std::optional<QString> CheckValue(const SettingField& field, const QJsonValue& value) {
  auto spelling = [&value](const auto& names) -> std::optional<QString> {
    if (IndexOfName(names, value)) return std::nullopt;
    return QStringLiteral("must be one of ") + Spellings(names);
  };
  switch (field.kind) {
    case SettingKind::PowerOnState: return spelling(kPowerOnStateNames);
    case SettingKind::WorkMode: return spelling(kWorkModeNames);
    case SettingKind::IpMode: return spelling(kIpModeNames);
    case SettingKind::HeartbeatMode: return spelling(kHeartbeatModeNames);
    case SettingKind::Flag:
      if (value.isBool()) return std::nullopt;
      return QStringLiteral("must be true or false");
    case SettingKind::Text: break;
  }
  return CheckText(SpecOf(*field.text), value);
}

}  // namespace

QJsonObject ViewOfRecord(const DecodedParameters& record) {
  QJsonObject view;
  const SettingsSnapshot form = SnapshotOf(record);
  for (const SettingField& field : kSettingFields) {
    if (Carries(field, record, form))
      view.insert(QString::fromUtf8(field.key), ValueOf(field, record));
  }
  return view;
}

std::optional<QString> CheckWanted(const QJsonObject& wanted) {
  for (auto it = wanted.begin(); it != wanted.end(); ++it) {
    const SettingField* field = FindSettingField(it.key().toStdString());
    if (!field) return QStringLiteral("unknown field \"%1\"").arg(it.key());
    if (auto problem = CheckValue(*field, it.value())) {
      return QStringLiteral("%1: %2").arg(it.key(), *problem);
    }
  }
  return std::nullopt;
}

DecodedParameters Overlay(DecodedParameters p, const QJsonObject& wanted) {
  for (const SettingField& field : kSettingFields) {
    const QJsonValue value = wanted.value(QString::fromUtf8(field.key));
    if (value.isUndefined()) continue;
    switch (field.kind) {
      case SettingKind::PowerOnState:
        p.powerOnState = static_cast<PowerOnState>(*IndexOfName(kPowerOnStateNames, value));
        break;
      case SettingKind::WorkMode:
        p.workMode = kWorkModes[*IndexOfName(kWorkModeNames, value)];
        break;
      case SettingKind::IpMode:
        p.ipMode = static_cast<IpMode>(*IndexOfName(kIpModeNames, value));
        break;
      case SettingKind::HeartbeatMode:
        p.heartbeatMode = static_cast<HeartbeatMode>(*IndexOfName(kHeartbeatModeNames, value));
        break;
      case SettingKind::Flag: p.*field.flag = value.toBool(); break;
      case SettingKind::Text: p.*SpecOf(*field.text).piece = TextBytes(value).value_or(""); break;
    }
  }
  return p;
}

SettingsSnapshot SnapshotOf(const DecodedParameters& p) {
  SettingsSnapshot form;
  form.rowSelected = true;
  form.powerChosen = p.powerOnState.has_value();
  form.customIdEnabled = p.customIdEnabled;
  form.dynamicIp = p.ipMode == IpMode::Dynamic;
  form.staticIp = p.ipMode == IpMode::Static;
  form.workMode = p.workMode;
  for (const FormFieldSpec& spec : kFormFields) form[spec.field] = FromGbk(p.*spec.piece);
  return form;
}

DeviceParameters ParametersOf(const DecodedParameters& p) {
  DeviceParameters out;
  static_cast<ParameterTexts&>(out) = p;
  out.powerOnState = p.powerOnState.value_or(PowerOnState::Off);
  out.workMode = p.workMode.value_or(WorkMode::TcpServer);
  out.ipMode = p.ipMode;
  out.customIdEnabled = p.customIdEnabled;
  out.heartbeatMode = p.heartbeatMode.value_or(HeartbeatMode::Heartbeat);
  out.reconnectHourly = p.reconnectHourly;
  out.reconnectOnSilence = p.reconnectOnSilence;
  return out;
}

}  // namespace quorvane
