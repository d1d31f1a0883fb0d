#pragma once

#include <QtGlobal>

namespace quorvane {

// A thousand boards answer a search within milliseconds; their answers wait in the socket's
// receive buffer until the event loop reads them. Asks for this much, as far as the system
// allows (the forced size where the process may, else up to the system's limit).
inline constexpr int kWantedReceiveBufferBytes = 32 << 20;

// The size the socket got, in bytes; 0 when it could not be read.
int RaiseReceiveBuffer(qintptr socketDescriptor, int wantedBytes = kWantedReceiveBufferBytes);

}  // namespace quorvane
