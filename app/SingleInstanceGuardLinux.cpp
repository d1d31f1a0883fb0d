#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>

#include "app/SingleInstanceGuard.h"

namespace quorvane {

// A socket bound in the abstract namespace: no file to go stale, gone with the process.
SingleInstanceGuard::SingleInstanceGuard(const std::string& name) {
  handle_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (handle_ < 0) return;
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const size_t length = std::min(name.size(), sizeof address.sun_path - 1);
  std::memcpy(address.sun_path + 1, name.data(), length);  // leading NUL: abstract name
  const auto size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length);
  if (::bind(handle_, reinterpret_cast<sockaddr*>(&address), size) != 0) {
    onlyInstance_ = errno != EADDRINUSE;
    ::close(handle_);
    handle_ = -1;
  }
}

SingleInstanceGuard::~SingleInstanceGuard() {
  if (handle_ >= 0) ::close(handle_);
}

}  // namespace quorvane
