#include "maintenance/MaintenanceAnswers.h"

#include "maintenance/AnswerTables.h"

namespace quorvane {

MaintenanceAnswers::MaintenanceAnswers(const DeviceListPanel& devices, CommandLink& link,
                                       Operator& person, std::function<void()> openProhibitWindow)
    : devices_(devices),
      link_(link),
      person_(person),
      openProhibitWindow_(std::move(openProhibitWindow)) {}

void MaintenanceAnswers::AttachReactions(ReplyDispatcher& replies) {
  for (const FollowUp& followUp : kFollowUps) {
    replies.Attach(followUp.kind, [this, followUp](const std::string&) {
      AskFollowUp(followUp.kind, followUp.question, followUp.command);
    });
  }
  for (const ResultBox& result : kResultBoxes) {
    replies.Attach(result.kind, [this, result](const std::string&) {
      person_.ShowMessage(QString::fromUtf8(result.message), Operator::DefaultCaption(),
                          result.errorIcon ? Operator::Icon::Error : Operator::Icon::None);
    });
  }
  replies.Attach(ReplyKind::PasswordAccepted,
                 [this](const std::string&) { openProhibitWindow_(); });
}

void MaintenanceAnswers::OnceAtATime(ReplyKind kind, const std::function<void()>& show) {
  if (!open_.insert(kind).second) return;  // its box is open already: this repeat is dropped
  struct Close {
    std::set<ReplyKind>& open;
    ReplyKind kind;
    ~Close() { open.erase(kind); }
  } close{open_, kind};
  show();
}

void MaintenanceAnswers::AskFollowUp(ReplyKind kind, const char* question, const char* command) {
  bool ok = false;
  OnceAtATime(kind, [&] {
    ok = person_.Confirm(QString::fromUtf8(question), QString::fromUtf8(kFollowUpCaption));
  });
  if (!ok) return;
  // The selection as it is now: the question may have waited while the operator clicked.
  auto ip = devices_.SelectedCell(DeviceListPanel::kIp);
  if (!ip) return;
  // A failed follow-up shows nothing; the operator can start the conversation again.
  link_.SendCommand(command, *ip);
}

}  // namespace quorvane
