#pragma once

#include <QJsonObject>
#include <QStringList>
#include <vector>

#include "fleet/SettingsDiff.h"
#include "fleet/SettingsFile.h"

namespace quorvane {

// "field: value", one per carried field, in the record's order.
QStringList SettingsLines(const QJsonObject& view);

// "field: before -> after", one per change.
QStringList ChangeLines(const std::vector<FieldChange>& changes);

}  // namespace quorvane
