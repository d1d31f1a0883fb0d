#include "cli/SettingsText.h"

#include "fleet/SettingFields.h"

namespace quorvane {

QStringList SettingsLines(const QJsonObject& view) {
  QStringList lines;
  for (const SettingField& field : kSettingFields) {
    const QString key = QString::fromUtf8(field.key);
    if (view.contains(key)) lines << key + QStringLiteral(": ") + ShowValue(view.value(key));
  }
  return lines;
}

QStringList ChangeLines(const std::vector<FieldChange>& changes) {
  QStringList lines;
  for (const FieldChange& change : changes) {
    lines << change.field + QStringLiteral(": ") + ShowValue(change.before) +
                 QStringLiteral(" -> ") + ShowValue(change.after);
  }
  return lines;
}

}  // namespace quorvane
