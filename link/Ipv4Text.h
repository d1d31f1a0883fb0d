#pragma once

#include <string_view>

namespace quorvane {

// A strict dotted IPv4 text: four decimal numbers 0..255. Nothing else is ever resolved.
bool IsDottedIpv4(std::string_view text);

}  // namespace quorvane
