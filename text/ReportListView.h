#pragma once

#include <QPoint>
#include <QTreeWidget>

namespace quorvane {

// A report-style list: single selection of whole rows, and separate left and right click
// notifications sent after the list has updated its selection for the click. A click on empty
// space leaves no row selected, as operators know from other desktop lists.
class ReportListView : public QTreeWidget {
  Q_OBJECT
 public:
  explicit ReportListView(QWidget* parent = nullptr);

  int SelectedRow() const;  // -1 for none
  void SelectRow(int row);

 signals:
  void LeftClicked();
  void RightClicked(const QPoint& globalPos);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace quorvane
