#pragma once

#include <cstdint>

// Facts of the boards' firmware that the tool must match.
namespace quorvane {

inline constexpr std::uint16_t kToolPort =
    8114;  // every command leaves from here; replies come back
inline constexpr std::uint16_t kBoardPort = 8113;           // every board listens here
inline constexpr std::uint16_t kBoardTcpServerPort = 8282;  // a board in TCP server mode
inline constexpr int kMaxUdpPayload = 65507;

}  // namespace quorvane
