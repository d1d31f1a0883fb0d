#pragma once

#include <QAbstractButton>
#include <QObject>
#include <array>
#include <optional>
#include <span>
#include <string>

#include "link/DeviceListPanel.h"
#include "link/ReplyDispatcher.h"
#include "settings/HostAddresses.h"
#include "settings/ParameterRecord.h"
#include "settings/SettingsChecks.h"
#include "settings/SettingsControls.h"

namespace quorvane {

// The settings controls: shows a board's record, reads the form back, and keeps pages, derived
// texts and enabled boxes in step with the operator's clicks. States set from code never raise
// a click handler. Every text box is handled through the field table.
class SettingsForm : public QObject {
  Q_OBJECT
 public:
  SettingsForm(const SettingsControls& controls, const DeviceListPanel& devices,
               const HostAddressSource& host);

  // Parameter records show in the form.
  void AttachReactions(ReplyDispatcher& replies);

  void ShowParameters(const DecodedParameters& parameters);
  // The reaction to a parameter record: shown only when it comes from the selected row's
  // address; a text that does not decode leaves the form alone.
  void ApplyParameterReply(const std::string& text, const std::string& sender);
  DeviceParameters ReadParameters() const;
  void ClearSettingsForm();
  std::optional<std::string> DefaultStaticGateway() const;

  SettingsSnapshot Snapshot() const;
  std::optional<WorkMode> CheckedWorkMode() const;
  TextField& Box(FormField field) const;
  // Checks the default heartbeat when the operator chose none.
  void EnsureHeartbeatChosen();

  // The radio sets, each in the order of its wire digits.
  const std::array<QAbstractButton*, 3>& PowerRadios() const { return c_.powerRadios; }
  const std::array<QAbstractButton*, 2>& AddressRadios() const { return c_.addressRadios; }
  const std::array<QAbstractButton*, 5>& ModeRadios() const { return c_.modeRadios; }
  const std::array<QAbstractButton*, 3>& HeartbeatRadios() const { return c_.heartbeatRadios; }

 private:
  void OnWorkModeClicked(WorkMode mode);
  void OnDynamicIpClicked();
  void OnStaticIpClicked();
  void OnCustomIdClicked();
  void ShowWorkMode(WorkMode mode, bool fromRecord);
  void SetAddressBoxesEnabled(bool enabled);
  QAbstractButton* DefaultHeartbeat() const;
  // The selected row's IP for the derived texts: from a record an empty text stands in when no
  // row is selected; from a click a placeholder does.
  QString DerivedIp(bool fromRecord, const QString& placeholder) const;

  SettingsControls c_;
  const DeviceListPanel& devices_;
  const HostAddressSource& host_;
};

// Sets the checked state of every button of a set at once, none of them raising a handler.
void CheckOnly(std::span<QAbstractButton* const> set, QAbstractButton* checked);
// The position of the checked button of a set, or -1.
int CheckedIndex(std::span<QAbstractButton* const> set);

}  // namespace quorvane
