#include "maintenance/SearchIdWindow.h"

#include "text/GbkText.h"
#include "text/Placement.h"

namespace quorvane {

SearchIdWindow::SearchIdWindow(BoardAccess access)
    : SmallWindow("SearchIdWindow", QStringLiteral("寻找设备ID"), QSize(333, 196)),
      access_(access) {
  QUORVANE_AT(标签1, PlainLabel(this, QStringLiteral("设备ID")), 26, 31, 56, 24);
  QUORVANE_AT(编辑框1, new ByteLimitedLineEdit(this), 82, 31, 206, 28);
  QUORVANE_AT(按钮1, Button(QStringLiteral("搜索")), 127, 93, 80, 32);
  connect(按钮1, &QPushButton::clicked, this, &SearchIdWindow::SearchId);
}

void SearchIdWindow::SearchId() {
  const QString id = 编辑框1->text();
  if (id.isEmpty()) {
    access_.person.ShowMessage(QStringLiteral("设备ID不能为空"));
    return;
  }
  // Compared as the bytes the boards sent: whole text, letter case and all.
  const std::optional<std::string> wanted = ToGbk(id);
  DeviceListPanel& devices = access_.devices;
  for (int row = 0; wanted && row < devices.RowCount(); ++row) {
    if (devices.CellText(row, DeviceListPanel::kId) == *wanted) {
      devices.SelectRow(row);
      accept();
      return;
    }
  }
  access_.person.ShowMessage(QStringLiteral("未找到相关设备"));
}

}  // namespace quorvane
