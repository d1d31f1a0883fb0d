#pragma once

#include <string>

namespace quorvane {

// Holds a name for the lifetime of the process so a second copy can tell it is not alone.
// The operating system releases the name when the process ends, however it ends.
class SingleInstanceGuard {
 public:
  explicit SingleInstanceGuard(const std::string& name);
  ~SingleInstanceGuard();
  SingleInstanceGuard(const SingleInstanceGuard&) = delete;
  SingleInstanceGuard& operator=(const SingleInstanceGuard&) = delete;

  // False only when another process holds the name; any other failure lets start-up go on.
  bool IsOnlyInstance() const { return onlyInstance_; }

 private:
  int handle_ = -1;
  bool onlyInstance_ = true;
};

}  // namespace quorvane
