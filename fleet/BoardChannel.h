#pragma once

#include <optional>
#include <string>
#include <vector>

#include "link/DeviceLink.h"
#include "link/Reply.h"

namespace quorvane {

// How long to wait for one answer, and how often to ask.
struct Patience {
  int waitMs = 1000;
  int attempts = 3;
};

struct Answer {
  bool sent = false;                // false: the command could not be handed to the network
  std::optional<std::string> text;  // the answer, when one came
};

// Question and answer with one board over the shared endpoint. Only an answer of an expected
// kind from the asked address counts: another board's reply, or a late one of another kind,
// is passed over.
class BoardChannel {
 public:
  explicit BoardChannel(DeviceLink& link) : link_(link) {}

  // Sends the text and waits for the answer; asks again after each wait that brought none.
  Answer Ask(const std::string& ip, const std::string& text, const std::vector<ReplyKind>& kinds,
             Patience patience = {});
  // Sends a command that has no answer.
  bool Tell(const std::string& ip, const std::string& text) { return link_.SendCommand(text, ip); }

 private:
  DeviceLink& link_;
};

}  // namespace quorvane
