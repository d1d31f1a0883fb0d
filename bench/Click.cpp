// A left click on a row of a 10,000-row list until "read" is handed to the link, against the
// same click on a 10-row list in the same run.
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/MainScreen.h"
#include "link/CommandLink.h"
#include "mqtt/TimeStamps.h"
#include "operator/QtOperator.h"

using namespace quorvane;

namespace {

struct TimedLink : CommandLink {
  bool SendCommand(const std::string&, const std::string&) override {
    sentAt = clock.nsecsElapsed();
    return true;
  }
  bool BroadcastCommand(const std::string&) override { return true; }
  QElapsedTimer clock;
  qint64 sentAt = -1;
};

struct NoHost : HostAddressSource {
  std::vector<std::string> OwnIpv4Addresses() const override { return {}; }
};

double ClickMs(int rows) {
  TimedLink link;
  QtOperator person;
  NoHost host;
  SystemClock clock;
  MainScreen screen({link, person, host, clock, QStringLiteral("/nonexistent/模板.ini")});
  for (int i = 0; i < rows; ++i) {
    screen.devices.AddDeviceRow("IP,B" + std::to_string(i) + ",10.0." + std::to_string(i / 250) +
                                "." + std::to_string(i % 250 + 1) + ",2.3,0");
  }
  screen.window.show();
  if (!QTest::qWaitForWindowExposed(&screen.window)) std::abort();
  std::vector<double> times;
  for (int run = 0; run < 21; ++run) {
    ReportListView& list = *screen.window.超级列表框1;
    const QRect place = list.visualItemRect(list.topLevelItem(run % 5));
    link.clock.start();
    link.sentAt = -1;
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, place.center());
    times.push_back(static_cast<double>(link.sentAt) / 1e6);
  }
  std::sort(times.begin(), times.end());
  return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const double few = ClickMs(10);
  const double many = ClickMs(10000);
  std::printf("| rows | click to \"read\", ms (median of 21) |\n|---|---|\n");
  std::printf("| 10 | %.3f |\n| 10,000 | %.3f |\n", few, many);
  std::printf("\nratio 10,000 / 10 rows: %.2f\n", many / few);
  return 0;
}
