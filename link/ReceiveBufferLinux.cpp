#include <sys/socket.h>

#include "link/ReceiveBuffer.h"

namespace quorvane {

int RaiseReceiveBuffer(qintptr socketDescriptor, int wantedBytes) {
  const int fd = static_cast<int>(socketDescriptor);
  // SO_RCVBUFFORCE passes the system limit (net.core.rmem_max) for a privileged process; for
  // others SO_RCVBUF gives as much as the limit allows.
  if (::setsockopt(fd, SOL_SOCKET, SO_RCVBUFFORCE, &wantedBytes, sizeof wantedBytes) != 0) {
    ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &wantedBytes, sizeof wantedBytes);
  }
  int got = 0;
  socklen_t size = sizeof got;
  if (::getsockopt(fd, SOL_SOCKET, SO_RCVBUF, &got, &size) != 0) return 0;
  return got;
}

}  // namespace quorvane
