#pragma once

#include <QString>
#include <array>
#include <optional>

#include "settings/FormFields.h"
#include "settings/ParameterRecord.h"

namespace quorvane {

// The form as the write checks see it: which choices are made and the typed texts.
struct SettingsSnapshot {
  bool rowSelected = false;
  bool powerChosen = false;
  bool customIdEnabled = false;
  bool dynamicIp = false;
  bool staticIp = false;
  std::optional<WorkMode> workMode;
  std::array<QString, kFormFieldCount> texts;

  QString& operator[](FormField field) { return texts[static_cast<size_t>(field)]; }
  const QString& operator[](FormField field) const { return texts[static_cast<size_t>(field)]; }
};

struct CheckFailure {
  QString message;
  std::optional<FormField> focus;  // the box to put the focus into; none leaves it where it is
};

// Why this value cannot travel in the field's piece: a "|" would shift every later piece on the
// board, and a character GBK cannot encode would arrive altered. Nothing when it can.
std::optional<QString> UnsafeValueMessage(const FormFieldSpec& spec, const QString& value);

// Whether the record written from this form carries the field's value.
bool IsWritten(const FormFieldSpec& spec, const SettingsSnapshot& form);

// The first problem that stops a write, in the fixed order operators know, followed by the
// values that cannot travel safely: a "|" would shift every later piece on the board, and a
// character GBK cannot encode would arrive altered.
std::optional<CheckFailure> CheckSettings(const SettingsSnapshot& form);

}  // namespace quorvane
