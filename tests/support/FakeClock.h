#pragma once

#include "mqtt/TimeStamps.h"

namespace quorvane {

// A clock that shows what the test set.
class FakeClock : public Clock {
 public:
  LocalTime Now() const override { return now; }
  LocalTime now{2024, 2, 21, 12, 0, 0, 123};
};

}  // namespace quorvane
