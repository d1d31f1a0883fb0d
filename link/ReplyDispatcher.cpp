#include "link/ReplyDispatcher.h"

namespace quorvane {

void ReplyDispatcher::Attach(ReplyKind kind, Reaction reaction) {
  reactions_[kind] = std::move(reaction);
}

void ReplyDispatcher::Attach(ReplyKind kind, TextReaction reaction) {
  Attach(kind, [reaction = std::move(reaction)](const std::string& text, const std::string&) {
    if (reaction) reaction(text);
  });
}

void ReplyDispatcher::HandleReply(std::string_view datagram, const std::string& sender) const {
  std::string text(TextOfDatagram(datagram));
  auto kind = ClassifyReply(text);
  if (!kind) return;
  auto it = reactions_.find(*kind);
  // A copy: the reaction may run a nested event loop in which further replies arrive.
  if (it != reactions_.end() && it->second) {
    Reaction reaction = it->second;
    reaction(text, sender);
  }
}

}  // namespace quorvane
