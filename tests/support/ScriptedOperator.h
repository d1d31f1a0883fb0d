#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "window/Operator.h"

namespace quorvane {

// Plays the person at the screen: records every box and answers questions as scripted. A
// question nobody scripted an answer for fails the test.
class ScriptedOperator : public Operator {
 public:
  struct Box {
    QString text;
    QString caption;
    Icon icon = Icon::None;
    bool question = false;
  };

  void ShowMessage(const QString& text, const QString& caption, Icon icon) override {
    boxes.push_back({text, caption, icon, false});
  }

  bool Confirm(const QString& text, const QString& caption) override {
    boxes.push_back({text, caption, Icon::None, true});
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected question: " << text.toStdString();
      return false;
    }
    bool answer = answers.front();
    answers.pop_front();
    return answer;
  }

  QStringList Texts() const {
    QStringList out;
    for (const Box& box : boxes) out << box.text;
    return out;
  }

  std::vector<Box> boxes;
  std::deque<bool> answers;
};

}  // namespace quorvane
