#include "link/Reply.h"

#include <gtest/gtest.h>

#include <vector>

#include "link/ReplyDispatcher.h"

namespace quorvane {
namespace {

TEST(ClassifyReply, RecognisesByExactBytesInFixedOrder) {
  struct Case {
    std::string text;
    std::optional<ReplyKind> kind;
  } cases[] = {
      {"IP", ReplyKind::SearchAnswer},
      {"IP,A01,10.0.0.2,2.3,0", ReplyKind::SearchAnswer},
      {"IPX,whatever", ReplyKind::SearchAnswer},
      {"ip,A01,10.0.0.2", std::nullopt},
      {"I", std::nullopt},
      {"parameter|", ReplyKind::ParameterRecord},
      {"parameter|1|2", ReplyKind::ParameterRecord},
      {"parameter", std::nullopt},
      {"Parameter|1", std::nullopt},
      {"password=1", ReplyKind::PasswordAccepted},
      {"password=0", ReplyKind::PasswordRefused},
      {"password=", std::nullopt},
      {"wifi_ok", ReplyKind::WifiChanged},
      {"WIFI_OK", std::nullopt},
      {"ksok", ReplyKind::KeysUnlocked},
      {"ksok\r\n", std::nullopt},
      {"KSOK", std::nullopt},
      {"sdok", ReplyKind::KeysLocked},
      {"appz=0", ReplyKind::ConfigModeOff},
      {"appz=1", ReplyKind::ConfigModeOn},
      {"appz=2", std::nullopt},
      {"appz_ok", ReplyKind::ConfigModeSet},
      {"", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ClassifyReply(c.text), c.kind);
  }
}

TEST(TextOfDatagram, EndsAtTheFirstNul) {
  EXPECT_EQ(TextOfDatagram(std::string_view("ksok\0junk", 9)), "ksok");
  EXPECT_EQ(TextOfDatagram(std::string_view("\0ksok", 5)), "");
  EXPECT_EQ(TextOfDatagram("ksok"), "ksok");
}

TEST(ReplyDispatcher, RunsTheReactionOfTheKindWithTheTextBeforeNul) {
  ReplyDispatcher dispatcher;
  std::vector<std::string> searches, unlocked;
  dispatcher.Attach(ReplyKind::SearchAnswer, [&](const std::string& t) { searches.push_back(t); });
  dispatcher.Attach(ReplyKind::KeysUnlocked, [&](const std::string& t) { unlocked.push_back(t); });

  dispatcher.HandleReply(std::string_view("ksok\0tail", 9));
  dispatcher.HandleReply("IP,A,1.2.3.4");
  dispatcher.HandleReply("sdok");  // a kind without a reaction
  dispatcher.HandleReply("nonsense");

  EXPECT_EQ(unlocked, std::vector<std::string>{"ksok"});
  EXPECT_EQ(searches, std::vector<std::string>{"IP,A,1.2.3.4"});
}

}  // namespace
}  // namespace quorvane
