#pragma once

#include <string>
#include <vector>

#include "link/CommandLink.h"

namespace quorvane {

// Stands in for the UDP link where a test must not touch the network: records each send and
// reports the result the test chose.
class RecordingLink : public CommandLink {
 public:
  struct Sent {
    std::string text;
    std::string ip;  // empty for a broadcast
    bool operator==(const Sent&) const = default;
  };

  bool SendCommand(const std::string& text, const std::string& ip) override {
    sent.push_back({text, ip});
    return sendSucceeds;
  }
  bool BroadcastCommand(const std::string& text) override {
    sent.push_back({text, ""});
    return broadcastSucceeds;
  }

  std::vector<Sent> sent;
  bool sendSucceeds = true;
  bool broadcastSucceeds = true;
};

inline void PrintTo(const RecordingLink::Sent& s, std::ostream* os) {
  *os << "{\"" << s.text << "\" to \"" << s.ip << "\"}";
}

}  // namespace quorvane
