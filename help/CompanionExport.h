#pragma once

#include <QByteArray>
#include <QString>

#include "operator/Operator.h"

namespace quorvane {

// Writes the Android companion app the program carries to a file the operator chooses, then
// shows that file in the file manager.
class CompanionExport {
 public:
  // The package's bytes, embedded at build time.
  static QByteArray Package();

  explicit CompanionExport(Operator& person) : person_(person) {}

  void ExportCompanionApp();

 private:
  Operator& person_;
};

}  // namespace quorvane
