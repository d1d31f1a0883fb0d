#pragma once

#include <optional>
#include <string>

#include "link/CommandLink.h"
#include "link/DeviceListPanel.h"
#include "operator/Operator.h"

namespace quorvane {

// What every maintenance command works with: the device list whose selected row is the one
// current board, the link to send to it, and the person at the screen.
struct BoardAccess {
  DeviceListPanel& devices;
  CommandLink& link;
  Operator& person;

  // The selected row's address, read at the moment of the call; nothing without a selection.
  std::optional<std::string> SelectedIp() const {
    return devices.SelectedCell(DeviceListPanel::kIp);
  }
};

}  // namespace quorvane
