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
      AskFollowUp(followUp.question, followUp.command);
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

void MaintenanceAnswers::AskFollowUp(const char* question, const char* command) {
  if (!person_.Confirm(QString::fromUtf8(question), QString::fromUtf8(kFollowUpCaption))) return;
  // The selection as it is now: the question may have waited while the operator clicked.
  auto ip = devices_.SelectedCell(DeviceListPanel::kIp);
  if (!ip) return;
  // A failed follow-up shows nothing; the operator can start the conversation again.
  link_.SendCommand(command, *ip);
}

}  // namespace quorvane
