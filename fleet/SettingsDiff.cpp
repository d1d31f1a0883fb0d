#include "fleet/SettingsDiff.h"

#include <QJsonArray>
#include <QJsonDocument>

#include "fleet/SettingFields.h"

namespace quorvane {

std::vector<FieldChange> DiffSettings(const QJsonObject& before, const QJsonObject& after) {
  std::vector<FieldChange> changes;
  for (const SettingField& field : kSettingFields) {
    const QString key = QString::fromUtf8(field.key);
    const QJsonValue was = before.value(key);
    const QJsonValue is = after.value(key);
    if (was != is) changes.push_back({key, was, is});
  }
  return changes;
}

bool HoldsAll(const QJsonObject& view, const QJsonObject& wanted) {
  for (auto it = wanted.begin(); it != wanted.end(); ++it) {
    if (view.value(it.key()) != it.value()) return false;
  }
  return true;
}

QString ShowValue(const QJsonValue& value) {
  if (value.isUndefined()) return QStringLiteral("(not carried)");
  // A one-element array is the shortest way to let QJsonDocument spell any value.
  const QByteArray json = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
  return QString::fromUtf8(json.mid(1, json.size() - 2));
}

}  // namespace quorvane
