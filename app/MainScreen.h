#pragma once

#include <QByteArray>
#include <functional>

#include "help/HelpLinks.h"
#include "http/HttpGetPanel.h"
#include "link/CommandLink.h"
#include "link/DeviceListPanel.h"
#include "link/ReplyDispatcher.h"
#include "maintenance/MaintenanceAnswers.h"
#include "maintenance/MaintenanceMenu.h"
#include "mqtt/MqttTools.h"
#include "operator/Operator.h"
#include "settings/HostAddresses.h"
#include "settings/SettingsForm.h"
#include "settings/SettingsWriter.h"
#include "window/MainWindow.h"

namespace quorvane {

// The main window with every subsystem attached: each is handed the controls it owns and
// registers its own reply reactions. The program gives it the real link and the real person;
// tests give it theirs.
// The release notes' address the build was configured with, percent-encoded.
std::string DefaultNotesUrl();

// What the screen needs from the machine; the program passes the real ones, tests their own.
struct ScreenServices {
  CommandLink& link;
  Operator& person;
  const HostAddressSource& host;
  const Clock& clock;
  QString templatePath;                      // the MQTT template file
  HttpGetPanel::Fetch fetch = FetchByGet;    // the HTTP_GET test's request
  std::string notesUrl = DefaultNotesUrl();  // the release notes' address, as sent
  ReleaseNotes::Fetch notesFetch = FetchByGet;
};

class MainScreen {
 public:
  explicit MainScreen(const ScreenServices& services);

  // Everything a received datagram sets off.
  void HandleDatagram(const QByteArray& bytes, const QString& sender = {}) const;

  // Ends the process; replaceable so tests can watch the exit button.
  std::function<void()> exitProcess;

  MainWindow window;
  ReplyDispatcher replies;
  DeviceListPanel devices;
  SettingsForm form;
  SettingsWriter writer;
  MaintenanceMenu maintenance;
  MaintenanceAnswers maintenanceAnswers;
  MqttTools mqtt;
  HttpGetPanel httpGet;
  HelpLinks help;
};

// The controls of the settings form and of the MQTT tools, taken from the main window.
SettingsControls SettingsControlsOf(MainWindow& window);
MqttControls MqttControlsOf(MainWindow& window);
HelpControls HelpControlsOf(MainWindow& window);

}  // namespace quorvane
