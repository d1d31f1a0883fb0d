#pragma once

#include <cstdint>
#include <string>

namespace quorvane {

// A reading of the local wall clock, as a person reads it: no time zone attached.
struct LocalTime {
  int year = 1970;
  int month = 1;  // 1..12
  int day = 1;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;  // 0..999
};

// The local clock, replaceable so that tests can set the time.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime Now() const = 0;
};

// The machine's local clock.
class SystemClock : public Clock {
 public:
  LocalTime Now() const override;
};

// "0" repeated up to width characters, then text; a text of width or more stays as it is.
std::string ZeroPadLeft(const std::string& text, size_t width);

// Whole seconds from the local reading 1970-01-01 08:00:00 to this local reading, both taken
// as plain wall-clock readings. 64 bits, so clocks after 2038 count on instead of wrapping.
std::int64_t SecondsSinceStampEpoch(const LocalTime& time);

// Seconds text and three millisecond digits, filled with "0" on the right to 13 characters
// (only clocks before 2001-09-09 09:46:40 are shorter).
std::string MillisecondStamp(const LocalTime& now);

// The stamp of the time without right filling, read as a number n, then n × 10000 + the ticks
// from 0001-01-01 to 1970-01-01, both steps in double precision as the boards' tools compute it.
std::string TickStamp(const LocalTime& now);

}  // namespace quorvane
