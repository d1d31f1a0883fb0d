#pragma once

#include <string>

namespace quorvane {

// Sending texts to boards. Each call is one datagram; true means the whole datagram was
// handed to the network, nothing more: no answer is awaited.
class CommandLink {
 public:
  virtual ~CommandLink() = default;
  virtual bool SendCommand(const std::string& text, const std::string& ip) = 0;
  virtual bool BroadcastCommand(const std::string& text) = 0;
};

}  // namespace quorvane
