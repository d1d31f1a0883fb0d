#pragma once

#include <QAbstractButton>
#include <QObject>
#include <array>
#include <optional>
#include <span>
#include <string>

#include "link/DeviceListPanel.h"
#include "settings/HostAddresses.h"
#include "settings/ParameterRecord.h"
#include "settings/SettingsChecks.h"
#include "window/MainWindow.h"

namespace quorvane {

// The settings controls of the main window: shows a board's record, reads the form back, and
// keeps pages, derived texts and enabled boxes in step with the operator's clicks. States set
// from code never raise a click handler.
class SettingsForm : public QObject {
  Q_OBJECT
 public:
  SettingsForm(MainWindow& window, const DeviceListPanel& devices, const HostAddressSource& host);

  void ShowParameters(const DecodedParameters& parameters);
  // The reaction to a parameter record; a text that does not decode leaves the form alone.
  void ApplyParameterReply(const std::string& text);
  DeviceParameters ReadParameters() const;
  void ClearSettingsForm();
  std::optional<std::string> DefaultStaticGateway() const;

  SettingsSnapshot Snapshot() const;
  std::optional<WorkMode> CheckedWorkMode() const;
  QWidget* WidgetFor(FormField field) const;
  // Checks the default heartbeat when the operator chose none.
  void EnsureHeartbeatChosen();

  // The radio sets, each in the order of its wire digits.
  std::array<QAbstractButton*, 3> PowerRadios() const;      // Off, On, Remember
  std::array<QAbstractButton*, 2> AddressRadios() const;    // Dynamic, Static
  std::array<QAbstractButton*, 5> ModeRadios() const;       // TcpClient .. Mqtt
  std::array<QAbstractButton*, 3> HeartbeatRadios() const;  // None, Heartbeat, IdAsHeartbeat

 private:
  void OnWorkModeClicked(WorkMode mode);
  void OnDynamicIpClicked();
  void OnStaticIpClicked();
  void OnCustomIdClicked();
  void ShowWorkMode(WorkMode mode, bool fromRecord);
  void SetAddressBoxesEnabled(bool enabled);
  // The selected row's IP for the derived texts: from a record an empty text stands in when no
  // row is selected; from a click a placeholder does.
  QString DerivedIp(bool fromRecord, const QString& placeholder) const;

  MainWindow& w_;
  const DeviceListPanel& devices_;
  const HostAddressSource& host_;
};

// Sets the checked state of every button of a set at once, none of them raising a handler.
void CheckOnly(std::span<QAbstractButton* const> set, QAbstractButton* checked);
// The position of the checked button of a set, or -1.
int CheckedIndex(std::span<QAbstractButton* const> set);

}  // namespace quorvane
