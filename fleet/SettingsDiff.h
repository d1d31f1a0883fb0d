#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <vector>

namespace quorvane {

// One field whose value differs between two views of settings; an undefined value means the
// view does not carry the field.
struct FieldChange {
  QString field;
  QJsonValue before;
  QJsonValue after;
};

// The fields that differ, in the order of the record's pieces.
std::vector<FieldChange> DiffSettings(const QJsonObject& before, const QJsonObject& after);

// Whether every wanted value is already the board's.
bool HoldsAll(const QJsonObject& view, const QJsonObject& wanted);

// A value as one line shows it: JSON, or "(not carried)" when undefined.
QString ShowValue(const QJsonValue& value);

}  // namespace quorvane
