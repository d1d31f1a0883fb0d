#pragma once

#include <QObject>
#include <string>

#include "link/CommandLink.h"
#include "link/DeviceListPanel.h"
#include "operator/Operator.h"
#include "settings/SettingsForm.h"

namespace quorvane {

// The write button: checks the form, asks the operator, sends the record to the selected board.
class SettingsWriter : public QObject {
  Q_OBJECT
 public:
  SettingsWriter(QAbstractButton& writeButton, SettingsForm& form, const DeviceListPanel& devices,
                 CommandLink& link, Operator& person);

  void WriteSettings();
  void ConfirmAndSend(const std::string& record);

 private:
  SettingsForm& form_;
  const DeviceListPanel& devices_;
  CommandLink& link_;
  Operator& person_;
};

}  // namespace quorvane
