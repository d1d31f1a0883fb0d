#pragma once

#include <QByteArray>
#include <functional>

#include "link/CommandLink.h"
#include "link/DeviceListPanel.h"
#include "link/ReplyDispatcher.h"
#include "maintenance/MaintenanceAnswers.h"
#include "maintenance/MaintenanceMenu.h"
#include "operator/Operator.h"
#include "settings/HostAddresses.h"
#include "settings/SettingsForm.h"
#include "settings/SettingsWriter.h"
#include "window/MainWindow.h"

namespace quorvane {

// The main window with every subsystem attached: each is handed the controls it owns and
// registers its own reply reactions. The program gives it the real link and the real person;
// tests give it theirs.
class MainScreen {
 public:
  MainScreen(CommandLink& link, Operator& person, const HostAddressSource& host);

  // Everything a received datagram sets off.
  void HandleDatagram(const QByteArray& bytes) const;

  // Ends the process; replaceable so tests can watch the exit button.
  std::function<void()> exitProcess;

  MainWindow window;
  ReplyDispatcher replies;
  DeviceListPanel devices;
  SettingsForm form;
  SettingsWriter writer;
  MaintenanceMenu maintenance;
  MaintenanceAnswers maintenanceAnswers;
};

// The controls of the settings form, taken from the main window.
SettingsControls SettingsControlsOf(MainWindow& window);

}  // namespace quorvane
