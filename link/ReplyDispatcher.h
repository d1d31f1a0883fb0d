#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "link/Reply.h"

namespace quorvane {

// Hands each received datagram to the one reaction attached to its kind.
class ReplyDispatcher {
 public:
  // The text, and the dotted address it came from ("" when unknown).
  using Reaction = std::function<void(const std::string& text, const std::string& sender)>;
  using TextReaction = std::function<void(const std::string& text)>;

  // At most one reaction per kind; attaching again replaces it.
  void Attach(ReplyKind kind, Reaction reaction);
  // For reactions that judge the text alone.
  void Attach(ReplyKind kind, TextReaction reaction);

  // Texts of no kind, or of a kind without a reaction, are ignored.
  void HandleReply(std::string_view datagram, const std::string& sender = {}) const;

 private:
  std::map<ReplyKind, Reaction> reactions_;
};

}  // namespace quorvane
