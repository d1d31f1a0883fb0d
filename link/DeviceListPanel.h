#pragma once

#include <QObject>
#include <QPoint>
#include <QPushButton>
#include <functional>
#include <string>

#include "link/CommandLink.h"
#include "link/ReplyDispatcher.h"
#include "operator/Operator.h"
#include "text/ReportListView.h"

namespace quorvane {

// The device list: a search fills it, a left click reads the clicked board. The selected row
// is the only current board; cells keep the exact bytes each board sent.
class DeviceListPanel : public QObject {
  Q_OBJECT
 public:
  enum Column { kInfo = 0, kIp = 1, kId = 2, kVersion = 3, kProhibit = 4 };
  static constexpr int kColumnCount = 5;
  // Far above any real fleet; answers beyond it in one search are dropped, so a flood of
  // answers cannot exhaust the tool.
  static constexpr int kMaxRows = 10000;

  // Gives the list its column captions.
  DeviceListPanel(ReportListView& list, QPushButton& findButton, CommandLink& link,
                  Operator& person);

  // Search answers become rows.
  void AttachReactions(ReplyDispatcher& replies);

  // Run after every successful search, once the list is empty (the settings form clears).
  void SetFormReset(std::function<void()> reset) { formReset_ = std::move(reset); }
  // Run on a right click while a row is selected, with the pointer's screen position.
  void SetPopupRequest(std::function<void(const QPoint&)> popup) { popup_ = std::move(popup); }

  void FindDevices();
  // The reaction to a search answer: one row appended, or nothing for a text without address,
  // with an over-long cell, or once the list holds kMaxRows.
  void AddDeviceRow(const std::string& text);
  void ReadSelectedDevice();

  int SelectedRow() const { return list_.SelectedRow(); }
  int RowCount() const { return list_.topLevelItemCount(); }
  // The cell's GBK bytes; empty for a row or column that does not exist.
  std::string CellText(int row, int column) const;
  // The selected row's cell, or nothing when no row is selected.
  std::optional<std::string> SelectedCell(int column) const;
  void SelectRow(int row) { list_.SelectRow(row); }

 private:
  void OnRightClick(const QPoint& globalPos);

  ReportListView& list_;
  CommandLink& link_;
  Operator& person_;
  std::function<void()> formReset_;
  std::function<void(const QPoint&)> popup_;
};

}  // namespace quorvane
