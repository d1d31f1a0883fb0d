#pragma once

#include <QMenu>
#include <QObject>
#include <QPoint>

#include "maintenance/BoardAccess.h"

namespace quorvane {

// The device list's popup menu and its commands for the selected board. Every command reads
// the selection when it runs and stops without one; none waits for a board's answer.
class MaintenanceMenu : public QObject {
  Q_OBJECT
 public:
  // Registers itself for the device list's right clicks.
  explicit MaintenanceMenu(BoardAccess access);

  QMenu& Menu() { return menu_; }
  void Popup(const QPoint& at);

  void SearchId();
  void CopyId();
  void CopyIp();
  void Restart();
  void SetProhibit();
  void ChangeWifi();
  void QueryKeyLock();
  void QueryConfigMode();
  void ForceUpgrade();
  // Opened by the board's acceptance of the access password, too.
  void OpenProhibitWindow();

 private:
  void Copy(int column, const QString& done);

  BoardAccess access_;
  QMenu menu_;
};

}  // namespace quorvane
