#pragma once

#include <gtest/gtest.h>
#include <QTest>

#include "text/ReportListView.h"

namespace quorvane {

// A left click on a row of the device list, where a person would click it.
inline void ClickListRow(ReportListView& list, int row) {
  QTreeWidgetItem* item = list.topLevelItem(row);
  ASSERT_NE(item, nullptr) << "no row " << row;
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(item).center());
}

}  // namespace quorvane
