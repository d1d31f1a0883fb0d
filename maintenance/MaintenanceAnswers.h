#pragma once

#include <functional>
#include <set>

#include "link/CommandLink.h"
#include "link/DeviceListPanel.h"
#include "link/ReplyDispatcher.h"
#include "operator/Operator.h"

namespace quorvane {

// The reactions to the boards' maintenance answers. They keep nothing between datagrams: each
// answer is judged by its text against the window as it is when the answer arrives, and a
// follow-up goes to the row selected when the operator confirms.
class MaintenanceAnswers {
 public:
  MaintenanceAnswers(const DeviceListPanel& devices, CommandLink& link, Operator& person,
                     std::function<void()> openProhibitWindow);

  void AttachReactions(ReplyDispatcher& replies);

 private:
  void AskFollowUp(ReplyKind kind, const char* question, const char* command);
  // Runs show unless a box of this kind is open already.
  void OnceAtATime(ReplyKind kind, const std::function<void()>& show);

  const DeviceListPanel& devices_;
  CommandLink& link_;
  Operator& person_;
  std::function<void()> openProhibitWindow_;
  // The kinds whose question or box is open now: a flood of one answer must not stack boxes.
  std::set<ReplyKind> open_;
};

}  // namespace quorvane
