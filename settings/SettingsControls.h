#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <array>

#include "settings/FormFields.h"
#include "text/TextField.h"

namespace quorvane {

// The controls the settings form owns; the composition hands them over from the main window.
struct SettingsControls {
  QTabWidget* pages = nullptr;                    // see PageOf
  std::array<QAbstractButton*, 3> powerRadios{};  // Off, On, Remember
  QAbstractButton* customIdCheck = nullptr;
  std::array<QAbstractButton*, 2> addressRadios{};    // Dynamic, Static
  std::array<QAbstractButton*, 5> modeRadios{};       // in the order of kWorkModes
  std::array<QAbstractButton*, 3> heartbeatRadios{};  // None, Heartbeat, IdAsHeartbeat
  QAbstractButton* reconnectHourly = nullptr;
  QAbstractButton* reconnectOnSilence = nullptr;
  std::array<TextField*, kFormFieldCount> boxes{};  // indexed by FormField
  QLabel* tcpServerAddress = nullptr;  // the TCP server page's line with the board's address
  QLineEdit* httpGetUrl = nullptr;
  QLabel* httpGetAnswer = nullptr;
};

}  // namespace quorvane
