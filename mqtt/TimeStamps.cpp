#include "mqtt/TimeStamps.h"

#include <chrono>
#include <ctime>

namespace quorvane {

namespace {

// Days from 1970-01-01 to the civil date (proleptic Gregorian), as in H. Hinnant's algorithm.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

constexpr std::int64_t kEpochOffsetSeconds = 8 * 3600;  // the epoch is 08:00 local
constexpr double kTicksTo1970 = 621355968000000000.0;

std::string StampOf(const LocalTime& time) {
  return std::to_string(SecondsSinceStampEpoch(time)) +
         ZeroPadLeft(std::to_string(time.millisecond), 3);
}

}  // namespace

LocalTime SystemClock::Now() const {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto sinceSecond = now - std::chrono::time_point_cast<std::chrono::seconds>(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  return LocalTime{
      local.tm_year + 1900,
      local.tm_mon + 1,
      local.tm_mday,
      local.tm_hour,
      local.tm_min,
      local.tm_sec,
      static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(sinceSecond).count())};
}

std::string ZeroPadLeft(const std::string& text, size_t width) {
  if (text.size() >= width) return text;
  return std::string(width - text.size(), '0') + text;
}

std::int64_t SecondsSinceStampEpoch(const LocalTime& t) {
  const std::int64_t days =
      DaysFromCivil(t.year, static_cast<unsigned>(t.month), static_cast<unsigned>(t.day));
  return days * 86400 + t.hour * 3600 + t.minute * 60 + t.second - kEpochOffsetSeconds;
}

std::string MillisecondStamp(const LocalTime& now) {
  std::string stamp = StampOf(now);
  if (stamp.size() < 13) stamp.append(13 - stamp.size(), '0');
  return stamp;
}

std::string TickStamp(const LocalTime& now) {
  const std::int64_t n = std::stoll(StampOf(now));
  const double x = static_cast<double>(n) * 10000.0;
  const double y = x + kTicksTo1970;
  return std::to_string(static_cast<std::int64_t>(y));
}

}  // namespace quorvane
