#pragma once
// NormalTemperatureTable: the day calendar's line "平年(東京)気温 9.8/1.2 ℃",
// the normal temperatures of a calendar day from "weather.txt".
//
// The file holds a block of three lines per day: a header "[01:05]" and two
// lines of ten values, each value in the first four characters of a
// five-character field.  A day's value is the mean of its ten numbers
// without the highest and the lowest; February 29 has its own rule (the sum
// of its numbers over 2).  Only the station of group 3 (東京) has data; for
// any other place the day calendar leaves the line out.  Lines starting with
// "//" are comments and may stand anywhere, even inside a block.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

class NormalTemperatureTable {
 public:
  static constexpr int kStationGroup = 3;
  // The name of that station's place group, as the place table spells it.
  static constexpr const char* kStationName = "東京";
  static constexpr std::size_t kMaxLines = 10000;
  static constexpr int kDays = 366;

  struct DayRecord {
    std::int32_t index = -1;  // position 0..365, or -1 when the file has no block for the day
    std::int32_t station = kStationGroup;
    double first = 0;   // trimmed mean of the block's first value line
    double second = 0;  // trimmed mean of the block's second value line
    std::int32_t month = 0;
    std::int32_t day = 0;
  };

  // Reads "weather.txt" at `path`; shows the file message once when it
  // cannot be read, and then gives no text for any day.
  explicit NormalTemperatureTable(const std::string& path);

  // Builds the day table for a place's station group: 1 for group 3, 0 for
  // any other (no text then).
  int Build(int group);

  // "平年(東京)気温 %.1f/%.1f ℃" with the day's second and first value; empty
  // when there is no text for the day (another station, a day the file lacks,
  // or any day after one it lacks).
  std::string TextFor(int month, int day) const;

  const std::vector<std::string>& lines() const { return lines_; }
  const std::array<DayRecord, kDays>& days() const { return days_; }

  // The trimmed mean of a value line (ten fields of five characters).
  static double LineMean(const std::string& line, bool february29);

 private:
  std::vector<std::string> lines_;  // the file without its comment lines
  int group_ = -1;
  std::array<DayRecord, kDays> days_{};
};
