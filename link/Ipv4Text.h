#pragma once

#include <string_view>

namespace quorvane {

// A strict dotted IPv4 text: four decimal numbers 0..255. Nothing else is ever resolved.
bool IsDottedIpv4(std::string_view text);

// True for a dotted IPv4 address of one host: not 0.0.0.0/8, not multicast (224/4), not
// reserved (240/4, which holds 255.255.255.255). Loopback counts as a host.
bool IsSingleHostAddress(std::string_view dotted);

}  // namespace quorvane
