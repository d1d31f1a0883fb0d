#include "help/HelpLinks.h"

#include <httplib.h>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "http/HttpGetPanel.h"
#include "tests/support/ScreenFixture.h"

namespace quorvane {
namespace {

class HelpLinksTest : public ScreenFixture {
 protected:
  void Press(LinkLabel* link) { QTest::mousePress(link, Qt::LeftButton, {}, QPoint(5, 5)); }
};

TEST_F(HelpLinksTest, EachQuestionShowsItsAnswer) {
  struct Case {
    LinkLabel* link;
    const char* answer;
  } cases[] = {
      {W().超级链接框1,
       "电脑端设置工具搜索不到设备注意以下几点：\r\n\r\n1.首先确认板子是否连接上路由器\r\n\r\n2."
       "电脑需与板子同时连接一个路由器且要同一网段\r\n\r\n3.电脑里面如果有多张网卡（网络适配器）"
       "可能引起搜索不到，可以先禁用不用的网卡，包括虚拟网卡。\r\n\r\n4.设置工具有没有被杀毒软件及"
       "安全卫士这些拦截\r\n\r\n5.如果电脑是WiFi连接注意查看是否连接2."
       "4GWiFi，5GWiFi不行。\r\n\r\n6."
       "用管理员方式运行设置工具，因为有的系统防火墙会拦截\r\n\r\n7."
       "如果电脑上实在找不出什么原因引起"
       "搜索不到，可以使用APP设置工具手机设置。\r\n\r\n8.如果必须在电脑上面操作可以尝试重新安装电脑"
       "系统或者在电脑上面安装虚拟机装win7系统等等方法来间接解决。"},
      {W().超级链接框2,
       "长按设备的配网键5-6秒放开，设备会发出一个ESP开头的WiFi热点，然后用手机连接这个热点进入配网"
       "界面，根据界面操作即可"},
      {W().超级链接框3,
       "如果设置的静态IP地址与当前电脑IP段不一致或者和WiFi的IP不匹配导致搜索不到，可以长按配网键20"
       "秒"
       "以上恢复初始动态IP模式"},
      {W().超级链接框4,
       "上电开代表设备上电后所有继电器开关处于打开状态，上电关代表设备上电后所有继电器开关处于关闭"
       "状态，断电记忆代表设备上电之后继电器开关处于设备最后断电之前的状态"},
      {W().超级链接框5,
       "设备默认有一个固定的ID,通过自定义ID可以根据自己需要设置一个自己需要的ID，如果不是特别要求"
       "建议直接使用设备的自带ID即可"},
      {W().超级链接框6,
       "动态IP指设备获取到的IP地址由路由器自动分配的，一般情况下建议使用动态IP，静态IP指设备的IP"
       "地址由自己人工设置，在某些特殊情况下需要，建议有特别需要或者懂其中的含义的情况下使用，否则"
       "乱"
       "设置会导致出现各种网络连接异常"},
      {W().超级链接框7, "长按配置键20秒以上放开设备即可恢复初始设置状态"},
      {W().超级链接框8,
       "没有配网键的设备一般都留有配网接口，一般是标有GND+GPIO12或者GND+K1的口，短接这两个口5-6秒"
       "即可"},
      {W().超级链接框13,
       "2.4以上版本固件增加上电30秒自动进入配网状态，开启功能后，如果设备上电30秒还没有连接上WiFi，"
       "就会自动进入配网状态，等待配网，不过过几分钟如果没有配网，也会自动退出配网状态的"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.link->objectName().toStdString());
    person.boxes.clear();
    Press(c.link);
    ASSERT_EQ(person.boxes.size(), 1u);
    EXPECT_EQ(person.boxes[0].text, QString::fromUtf8(c.answer));
    EXPECT_EQ(person.boxes[0].caption, QStringLiteral("信息："));
  }
  EXPECT_TRUE(link.sent.empty());
}

TEST_F(HelpLinksTest, BemfaLinksOpenTheirPagesInTheBrowser) {
  Press(W().超级链接框9);
  Press(W().超级链接框10);
  EXPECT_EQ(person.openedAddresses,
            (std::vector<QUrl>{QUrl(QStringLiteral("https://cloud.bemfa.com/docs/")),
                               QUrl(QStringLiteral("https://cloud.bemfa.com/"))}));
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(HelpLinksTest, ExportWritesTheEmbeddedPackageAndShowsIt) {
  const QByteArray embedded = FileBytes(QStringLiteral(QUORVANE_COMPANION_APK));
  ASSERT_FALSE(embedded.isEmpty());
  ASSERT_EQ(CompanionExport::Package(), embedded);

  QTemporaryDir folder;
  const QString target = folder.filePath(QStringLiteral("参数设置V2.apk"));
  person.saveAnswers = {target};
  Press(W().超级链接框12);
  ASSERT_EQ(person.saveRequests.size(), 1u);
  const Operator::SaveFileRequest& asked = person.saveRequests[0];
  EXPECT_EQ(asked.title, QStringLiteral("导出参数设置APP"));
  EXPECT_EQ(asked.proposedName, QStringLiteral("参数设置V2"));
  EXPECT_EQ(asked.defaultExtension, QStringLiteral("apk"));
  EXPECT_EQ(FileBytes(target), embedded);
  EXPECT_EQ(person.revealedFiles, QStringList{target});

  // Over an existing file (the dialog asked already): replaced whole.
  QFile old(target);
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write(QByteArray(3 * embedded.size(), 'x'));
  old.close();
  person.saveAnswers = {target};
  Press(W().超级链接框12);
  EXPECT_EQ(FileBytes(target), embedded);
}

TEST_F(HelpLinksTest, CancelOrAnUnwritablePlaceWritesNothingAndShowsNothing) {
  QTemporaryDir folder;
  person.saveAnswers = {QString(), folder.filePath(QStringLiteral("missing/参数设置V2.apk"))};
  Press(W().超级链接框12);  // Cancel
  Press(W().超级链接框12);  // a folder that does not exist
  EXPECT_TRUE(QDir(folder.path()).isEmpty());
  EXPECT_TRUE(person.revealedFiles.isEmpty());
  EXPECT_TRUE(person.boxes.empty());
}

// A release-notes source that answers only when the test lets it.
struct GatedNotes {
  std::string Fetch(const std::string& url) {
    std::unique_lock lock(mutex);
    urls.push_back(url);
    opened.wait(lock, [this] { return open; });
    return answer;
  }
  void Open() {
    {
      std::lock_guard lock(mutex);
      open = true;
    }
    opened.notify_all();
  }
  std::mutex mutex;
  std::condition_variable opened;
  bool open = false;
  std::string answer = "V2.5%E6%9B%B4%E6%96%B0+%E8%AF%B4%E6%98%8E";
  std::vector<std::string> urls;
};

TEST_F(HelpLinksTest, ReleaseNotesComeInTheBackgroundInBoxesThatWaitForNobody) {
  GatedNotes notes;
  struct OpenOnExit {  // a failed assertion must not leave the workers waiting
    GatedNotes& notes;
    ~OpenOnExit() { notes.Open(); }
  } openOnExit{notes};
  notesFetch = [&notes](const std::string& url) { return notes.Fetch(url); };
  QSignalSpy shown(&screen->help.Notes(), &ReleaseNotes::NotesShown);
  Press(W().超级链接框11);
  Press(W().超级链接框11);  // two presses, two workers
  // Both presses returned while the fetches still wait: the window was never held up.
  EXPECT_TRUE(person.ownerlessBoxes.empty());
  EXPECT_TRUE(person.boxes.empty());
  notes.Open();
  ASSERT_TRUE(QTest::qWaitFor([&] { return shown.size() == 2; }, 5000));
  ASSERT_EQ(person.ownerlessBoxes.size(), 2u);
  for (const auto& box : person.ownerlessBoxes) {
    EXPECT_EQ(box.text, QStringLiteral("V2.5更新 说明"));
    EXPECT_EQ(box.caption, QStringLiteral("信息："));
  }
  EXPECT_EQ(notes.urls, (std::vector<std::string>(2, "http://notes.test/pc/notes.txt")));
}

TEST(ReleaseNotesOverHttp, DecodedTextFromALocalServerAndEmptyWhenUnreachable) {
  httplib::Server server;
  server.Get("/pc/版本更新说明.txt", [](const httplib::Request&, httplib::Response& r) {
    r.set_content("%E4%BF%AE%E5%A4%8D+1%00hidden", "text/plain");
  });
  const int port = server.bind_to_any_port("127.0.0.1");
  std::thread thread([&] { server.listen_after_bind(); });
  while (!server.is_running()) std::this_thread::yield();

  ScriptedOperator person;
  const QString configured = QStringLiteral("http://127.0.0.1:%1/pc/版本更新说明.txt").arg(port);
  const std::string url = NotesRequestUrl(configured);
  EXPECT_EQ(url, "http://127.0.0.1:" + std::to_string(port) +
                     "/pc/%E7%89%88%E6%9C%AC%E6%9B%B4%E6%96%B0%E8%AF%B4%E6%98%8E.txt");
  ReleaseNotes notes(person, url, FetchByGet);
  QSignalSpy shown(&notes, &ReleaseNotes::NotesShown);
  notes.ShowReleaseNotes();
  ASSERT_TRUE(shown.wait(5000));
  server.stop();
  thread.join();

  ReleaseNotes unreachable(person, url, FetchByGet);  // the server is gone
  QSignalSpy shownEmpty(&unreachable, &ReleaseNotes::NotesShown);
  unreachable.ShowReleaseNotes();
  ASSERT_TRUE(shownEmpty.wait(15000));
  ASSERT_EQ(person.ownerlessBoxes.size(), 2u);
  EXPECT_EQ(person.ownerlessBoxes[0].text, QStringLiteral("修复 1"));
  EXPECT_EQ(person.ownerlessBoxes[1].text, QString());
}

}  // namespace
}  // namespace quorvane
