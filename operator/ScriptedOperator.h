#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QStringList>
#include <deque>
#include <functional>
#include <vector>

#include "operator/Operator.h"

namespace quorvane {

// Plays the person at the screen in tests: records every box, window, clipboard text and
// desktop request, and answers as scripted. A question or window nobody scripted an answer
// for fails the test, and so does a scripted answer that was never asked for.
class ScriptedOperator : public Operator {
 public:
  struct Box {
    QString text;
    QString caption;
    Icon icon = Icon::None;
    bool question = false;
  };
  // Plays the person inside one modal window (types, clicks) and returns its result code.
  using ModalScript = std::function<int(QDialog& window)>;

  ~ScriptedOperator() override {
    if (!answers.empty()) ADD_FAILURE() << answers.size() << " scripted answer(s) never asked";
    if (!modalScripts.empty()) ADD_FAILURE() << modalScripts.size() << " window script(s) unused";
    if (!saveAnswers.empty()) ADD_FAILURE() << saveAnswers.size() << " save answer(s) unused";
    if (!menuChoices.empty()) ADD_FAILURE() << menuChoices.size() << " menu choice(s) unused";
  }

  void ShowMessage(const QString& text, const QString& caption, Icon icon) override {
    boxes.push_back({text, caption, icon, false});
  }

  void ShowOwnerlessMessage(const QString& text, const QString& caption) override {
    ownerlessBoxes.push_back({text, caption, Icon::None, false});
  }

  bool Confirm(const QString& text, const QString& caption) override {
    boxes.push_back({text, caption, Icon::None, true});
    if (whileAsking) {  // what arrives while the question waits, as a nested event loop runs it
      auto during = std::move(whileAsking);
      whileAsking = nullptr;
      during();
    }
    if (answers.empty()) {
      ADD_FAILURE() << "unexpected question: " << text.toStdString();
      return false;
    }
    bool answer = answers.front();
    answers.pop_front();
    return answer;
  }

  int RunModal(QDialog& window) override {
    windows.push_back(window.objectName());
    if (modalScripts.empty()) {
      ADD_FAILURE() << "unexpected window: " << window.objectName().toStdString();
      return QDialog::Rejected;
    }
    ModalScript script = std::move(modalScripts.front());
    modalScripts.pop_front();
    return script(window);
  }

  std::optional<QString> ChooseSaveFile(const SaveFileRequest& request) override {
    saveRequests.push_back(request);
    if (saveAnswers.empty()) {
      ADD_FAILURE() << "unexpected save dialog: " << request.title.toStdString();
      return std::nullopt;
    }
    const QString path = saveAnswers.front();
    saveAnswers.pop_front();
    if (path.isEmpty()) return std::nullopt;
    return path;
  }

  QAction* ChooseFromMenu(QMenu& menu, const QPoint&) override {
    menus.push_back(menu.objectName());
    if (menuChoices.empty()) {
      ADD_FAILURE() << "unexpected menu: " << menu.objectName().toStdString();
      return nullptr;
    }
    const QString caption = menuChoices.front();
    menuChoices.pop_front();
    if (caption.isEmpty()) return nullptr;
    for (QAction* action : menu.actions()) {
      if (!action->isSeparator() && action->text() == caption) {
        action->trigger();
        return action;
      }
    }
    ADD_FAILURE() << "the menu has no entry " << caption.toStdString();
    return nullptr;
  }

  bool SetClipboardText(const QString& text) override {
    clipboard.push_back(text);
    return clipboardWorks;
  }
  bool OpenAddress(const QUrl& address) override {
    openedAddresses.push_back(address);
    return desktopSucceeds;
  }
  bool RevealFile(const QString& path) override {
    revealedFiles.push_back(path);
    return desktopSucceeds;
  }

  QStringList Texts() const {
    QStringList out;
    for (const Box& box : boxes) out << box.text;
    return out;
  }

  std::vector<Box> boxes;
  std::vector<Box> ownerlessBoxes;  // shown without waiting, in order
  std::deque<bool> answers;
  std::function<void()> whileAsking;  // run once inside the next question, before its answer
  std::vector<QString> windows;       // objectNames of the modal windows run, in order
  std::deque<ModalScript> modalScripts;
  std::vector<SaveFileRequest> saveRequests;
  std::deque<QString> saveAnswers;  // an empty path plays Cancel
  std::vector<QString> menus;       // objectNames of the menus shown, in order
  std::deque<QString> menuChoices;  // the caption to choose; an empty one closes the menu
  QStringList clipboard;            // every text put there, in order
  bool clipboardWorks = true;
  std::vector<QUrl> openedAddresses;
  QStringList revealedFiles;
  bool desktopSucceeds = true;
};

}  // namespace quorvane
