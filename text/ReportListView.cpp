#include "text/ReportListView.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace quorvane {

ReportListView::ReportListView(QWidget* parent) : QTreeWidget(parent) {
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setAllColumnsShowFocus(true);
  header()->setStretchLastSection(false);
  header()->setSectionsMovable(false);
}

int ReportListView::SelectedRow() const {
  const auto items = selectedItems();
  return items.isEmpty() ? -1 : indexOfTopLevelItem(items.first());
}

void ReportListView::SelectRow(int row) {
  QTreeWidgetItem* item = topLevelItem(row);
  if (!item) return;
  setCurrentItem(item);
  item->setSelected(true);
  setFocus();
}

void ReportListView::mousePressEvent(QMouseEvent* event) {
  QTreeWidget::mousePressEvent(event);
  if (!itemAt(event->position().toPoint())) {
    clearSelection();
    setCurrentItem(nullptr);
  }
}

void ReportListView::mouseReleaseEvent(QMouseEvent* event) {
  QTreeWidget::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton) emit LeftClicked();
  if (event->button() == Qt::RightButton) emit RightClicked(event->globalPosition().toPoint());
}

}  // namespace quorvane
