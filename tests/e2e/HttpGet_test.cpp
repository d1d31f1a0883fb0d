// The HTTP_GET test panel over real HTTP against a simulated board in HTTP GET mode, inside a
// private network namespace.
#include <gtest/gtest.h>
#include <httplib.h>

#include <QElapsedTimer>
#include <QTest>
#include <fstream>
#include <thread>

#include "http/HttpRequest.h"
#include "tests/support/LiveScreen.h"
#include "tests/support/RawHttpServer.h"
#include "tools/boardsim/BoardSimulator.h"

namespace quorvane {
namespace {

class HttpGet : public testing::Test {
 protected:
  void SetUp() override {
    simulator.AddBoard({.id = "H01", .ip = "127.0.0.2", .record = DefaultRecordFor(3, "")});
    ASSERT_TRUE(simulator.Start());
    ASSERT_TRUE(simulator.StartHttp(80));
    live.Open();
  }

  BoardSimulator simulator;
  LiveScreen live;
};

TEST_F(HttpGet, TestAsksTheBoardAndShowsItsAnswer) {
  MainWindow& w = live.W();
  QTest::mouseClick(w.寻找按钮, Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.超级列表框1->topLevelItemCount() == 1; }, 3000));
  live.ClickRow(0);
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.高级选择夹->currentIndex() == 3; }, 3000));
  EXPECT_EQ(w.get编辑框->text(), QStringLiteral("http://127.0.0.2/?command=c1"));

  QTest::mouseClick(w.GET请求按钮, Qt::LeftButton);  // returns when the exchange has ended
  EXPECT_EQ(simulator.HttpRequests(), std::vector<std::string>{"127.0.0.2 GET /?command=c1"});
  EXPECT_EQ(w.返回内容标签->text(), QStringLiteral("返回：command c1 ok"));

  w.get编辑框->setText(QStringLiteral("http://127.0.0.2/?command=c2"));
  QTest::mouseClick(w.GET请求按钮, Qt::LeftButton);
  EXPECT_EQ(w.返回内容标签->text(), QStringLiteral("返回：command c2 ok"));
}

TEST_F(HttpGet, AServerThatNeverAnswersGivesTheWindowBackWithinTheTimeOuts) {
  RawHttpServer silent("", /*answer=*/false);
  live.W().get编辑框->setText(QString::fromStdString(silent.Url("/?command=c1")));
  QElapsedTimer clock;
  clock.start();
  QTest::mouseClick(live.W().GET请求按钮, Qt::LeftButton);
  EXPECT_LT(clock.elapsed(), kExchangeTimeoutMs + 2000);
  EXPECT_EQ(live.W().返回内容标签->text(), QStringLiteral("返回："));
}

// A line of /proc/self/status, in kB: "VmRSS" now, "VmHWM" the peak since the last reset.
long StatusKilobytes(const std::string& key) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with(key + ":")) return std::stol(line.substr(key.size() + 1));
  }
  return -1;
}

// Starts a new peak: the answer's buffer is freed before anyone could look at the size now.
bool ResetPeakMemory() { return static_cast<bool>(std::ofstream("/proc/self/clear_refs") << "5"); }

TEST_F(HttpGet, AHugeAnswerIsCutAndCostsLittleMemory) {
  httplib::Server server;
  server.Get("/", [](const httplib::Request&, httplib::Response& r) {
    r.set_content_provider(size_t{64} << 20, "text/plain",
                           [](size_t, size_t length, httplib::DataSink& sink) {
                             static const std::string chunk(64 * 1024, 'z');
                             return sink.write(chunk.data(), std::min(length, chunk.size()));
                           });
  });
  const int port = server.bind_to_any_port("127.0.0.1");
  std::thread thread([&] { server.listen_after_bind(); });
  while (!server.is_running()) std::this_thread::yield();

  ASSERT_TRUE(ResetPeakMemory());
  const long before = StatusKilobytes("VmRSS");
  live.W().get编辑框->setText(QStringLiteral("http://127.0.0.1:%1/").arg(port));
  QTest::mouseClick(live.W().GET请求按钮, Qt::LeftButton);
  const QString shown = live.W().返回内容标签->text();
  EXPECT_TRUE(shown.startsWith(QStringLiteral("返回：zzz")));
  EXPECT_TRUE(shown.endsWith(u'…'));
  EXPECT_LT(StatusKilobytes("VmHWM") - before, 48 * 1024);
  server.stop();
  thread.join();
}

}  // namespace
}  // namespace quorvane
