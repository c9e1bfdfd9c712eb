#include "textdata/normal_temperature_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

#include "engine/format.h"
#include "textdata/text_line_source.h"

namespace {

constexpr int kFieldCount = 10;
constexpr std::size_t kFieldWidth = 5;
constexpr std::size_t kNumberWidth = 4;  // the fifth character of a field is a separator

// The number in the first four characters of a field, read as the C
// library's decimal conversion reads it (leading blanks, a sign, then the
// longest number), but independent of the locale.  Nothing readable is 0.
double FieldValue(std::string_view line, int field) {
  const std::size_t start = static_cast<std::size_t>(field) * kFieldWidth;
  if (start >= line.size()) return 0;
  std::string_view text = line.substr(start, kNumberWidth);
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  (void)end;
  if (error != std::errc() || !std::isfinite(value)) return 0;
  return value;
}

}  // namespace

using korvane::Format;

NormalTemperatureTable::NormalTemperatureTable(const std::string& path) {
  korvane::TextLineSource source;
  if (!source.Open(path)) {
    korvane::ReportUnreadableFile(path);
    return;
  }
  std::string line;
  while (lines_.size() < kMaxLines && source.Next(line)) {
    if (!line.starts_with("//")) lines_.push_back(line);
  }
}

double NormalTemperatureTable::LineMean(const std::string& line, bool february29) {
  double sum = 0;
  double high = 0;
  double low = 0;
  for (int k = 0; k < kFieldCount; ++k) {
    const double value = FieldValue(line, k);
    sum += value;
    high = k == 0 ? value : std::max(high, value);
    low = k == 0 ? value : std::min(low, value);
  }
  // The 0.001 keeps a mean that lies on a half tenth from printing low.
  if (february29) return (sum + 0.001) / 2;
  return (sum - high - low + 0.001) / 8;
}

int NormalTemperatureTable::Build(int group) {
  group_ = group;
  days_.fill(DayRecord{});
  if (group != kStationGroup) return 0;

  // Where each date's block starts: the first header "[MM:DD]" at a block
  // position (0, 3, 6, ...) with both value lines after it.
  int blockOf[13][32];
  for (auto& month : blockOf) std::fill(std::begin(month), std::end(month), -1);
  for (std::size_t k = 0; k + 2 < lines_.size(); k += 3) {
    const std::string& line = lines_[k];
    if (line.size() != 7 || line[0] != '[' || line[3] != ':' || line[6] != ']') continue;
    const auto digit = [&](std::size_t i) { return line[i] >= '0' && line[i] <= '9' ? line[i] - '0' : -100; };
    const int month = digit(1) * 10 + digit(2);
    const int day = digit(4) * 10 + digit(5);
    if (month < 1 || month > 12 || day < 1 || day > 31) continue;
    if (blockOf[month][day] < 0) blockOf[month][day] = static_cast<int>(k);
  }

  static constexpr int kMonthLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  int position = 0;
  const auto store = [&](int month, int day) {
    DayRecord& record = days_[position];
    record.month = month;
    record.day = day;
    if (const int k = blockOf[month][day]; k >= 0) {
      const bool february29 = month == 2 && day == 29;
      record.index = position;
      record.first = LineMean(lines_[k + 1], february29);
      record.second = LineMean(lines_[k + 2], february29);
    }
    ++position;
  };
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= kMonthLength[month - 1]; ++day) store(month, day);
    if (month == 2) store(2, 29);
  }
  return 1;
}

std::string NormalTemperatureTable::TextFor(int month, int day) const {
  if (group_ != kStationGroup) return {};
  for (const DayRecord& record : days_) {
    if (record.index < 0) return {};
    if (record.month == month && record.day == day) {
      return Format("平年(%s)気温 %.1f/%.1f ℃", kStationName, record.second, record.first);
    }
  }
  return {};
}
