// The scripted person must catch a test whose script and behaviour drifted apart.
#include "operator/ScriptedOperator.h"

#include <gtest/gtest-spi.h>

namespace quorvane {
namespace {

TEST(ScriptedOperator, AnAnswerNeverAskedForFailsTheTest) {
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedOperator person;
        person.answers = {true};
      },
      "never asked");
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedOperator person;
        person.modalScripts.push_back([](QDialog&) { return 1; });
      },
      "unused");
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedOperator person;
        person.saveAnswers.push_back(QStringLiteral("/tmp/x.apk"));
      },
      "unused");
}

TEST(ScriptedOperator, AnUnscriptedQuestionOrWindowFailsAndRefuses) {
  ScriptedOperator person;
  bool answer = true;
  EXPECT_NONFATAL_FAILURE(answer = person.Confirm(QStringLiteral("q"), QStringLiteral("c")),
                          "unexpected question");
  EXPECT_FALSE(answer);
  QDialog window;
  window.setObjectName(QStringLiteral("SomeWindow"));
  int result = QDialog::Accepted;
  EXPECT_NONFATAL_FAILURE(result = person.RunModal(window), "unexpected window");
  EXPECT_EQ(result, QDialog::Rejected);
  EXPECT_EQ(person.windows, std::vector<QString>{QStringLiteral("SomeWindow")});
}

TEST(ScriptedOperator, ScriptedAnswersComeInOrder) {
  ScriptedOperator person;
  person.answers = {false, true};
  person.saveAnswers = {QString(), QStringLiteral("/tmp/a.apk")};
  EXPECT_FALSE(person.Confirm(QStringLiteral("1"), QStringLiteral("c")));
  EXPECT_TRUE(person.Confirm(QStringLiteral("2"), QStringLiteral("c")));
  EXPECT_EQ(person.ChooseSaveFile({}), std::nullopt);  // an empty path plays Cancel
  EXPECT_EQ(person.ChooseSaveFile({}), std::optional<QString>(QStringLiteral("/tmp/a.apk")));
  EXPECT_EQ(person.boxes.size(), 2u);
  EXPECT_TRUE(person.boxes[1].question);
}

}  // namespace
}  // namespace quorvane
