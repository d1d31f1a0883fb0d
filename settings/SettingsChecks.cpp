#include "settings/SettingsChecks.h"

#include "constants/Board.h"
#include "text/GbkText.h"

namespace quorvane {

namespace {

std::optional<CheckFailure> Message(const char* text) {
  return CheckFailure{QString::fromUtf8(text), std::nullopt};
}

std::optional<CheckFailure> FirstEmptyOfMode(const SettingsSnapshot& f, WorkMode mode) {
  for (const FormFieldSpec& spec : kFormFields) {
    if (spec.mode == mode && spec.emptyMessage && f[spec.field].isEmpty()) {
      return CheckFailure{QString::fromUtf8(spec.emptyMessage), spec.field};
    }
  }
  return std::nullopt;
}

std::optional<CheckFailure> FirstUnsafe(const SettingsSnapshot& f) {
  for (const FormFieldSpec& spec : kFormFields) {
    if (!IsWritten(spec, f)) continue;
    if (auto message = UnsafeValueMessage(spec, f[spec.field])) {
      return CheckFailure{*message, spec.field};
    }
  }
  return std::nullopt;
}

// A record must fit one datagram. Everything but the written values takes less than this.
constexpr qsizetype kRecordOverheadBytes = 128;

std::optional<CheckFailure> FirstTooLong(const SettingsSnapshot& f) {
  qsizetype total = kRecordOverheadBytes;
  const FormFieldSpec* longest = nullptr;
  qsizetype longestBytes = -1;
  for (const FormFieldSpec& spec : kFormFields) {
    if (!IsWritten(spec, f)) continue;
    const qsizetype bytes = GbkByteCount(f[spec.field]).value_or(0);
    total += bytes;
    if (bytes > longestBytes) {
      longest = &spec;
      longestBytes = bytes;
    }
  }
  if (total <= kMaxUdpPayload || !longest) return std::nullopt;
  return CheckFailure{QString::fromUtf8(longest->name) + QStringLiteral("中的内容过长，请修改！"),
                      longest->field};
}

}  // namespace

std::optional<QString> UnsafeValueMessage(const FormFieldSpec& spec, const QString& value) {
  const QString name = QString::fromUtf8(spec.name);
  if (value.contains(u'|')) return name + QStringLiteral("中不能含有字符“|”，请修改！");
  if (!ToGbk(value)) return name + QStringLiteral("中含有无法发送给设备的字符，请修改！");
  return std::nullopt;
}

bool IsWritten(const FormFieldSpec& spec, const SettingsSnapshot& form) {
  if (spec.mode) return spec.mode == form.workMode;
  if (spec.field == FormField::CustomId) return form.customIdEnabled;
  return form.staticIp;  // the addresses
}

std::optional<CheckFailure> CheckSettings(const SettingsSnapshot& f) {
  if (!f.rowSelected) return Message("没有选择设备！请先在列表里面选择被设置设备！");
  if (!f.powerChosen) return Message("请设置一种上电状态！");
  if (f.customIdEnabled && f[FormField::CustomId].isEmpty()) {
    return Message("请输入要设置的自定义ID！");
  }
  if (!f.dynamicIp && !f.staticIp) return Message("请选择一种获取IP的方式！");
  if (f.staticIp && (f[FormField::IpAddress].isEmpty() || f[FormField::Gateway].isEmpty() ||
                     f[FormField::Netmask].isEmpty())) {
    return Message("请完整输入静态IP相关的信息！");
  }
  if (!f.workMode) return Message("请选择一种工作模式！");
  if (auto failure = FirstEmptyOfMode(f, *f.workMode)) return failure;
  if (auto failure = FirstUnsafe(f)) return failure;
  return FirstTooLong(f);
}

}  // namespace quorvane
