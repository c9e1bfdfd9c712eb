#pragma once
// What the 和暦・西暦変換 dialog shows, without a window: the era list of its
// picker, one day in every calendar with the conventional Western form
// marked, the one line that refuses an impossible date, and the result as
// text for the clipboard.  korvane-print's "convert" prints the same lines.
#include <memory>
#include <string>
#include <vector>

#include "engine/calendar_law.h"
#include "engine/date_conversion.h"

namespace korvane {

struct ConverterLine {
  std::string key;    // 和暦, 和暦(北朝), 旧暦, 西暦, ユリウス暦, JDN, 年干支 ...
  std::string value;
  // The Western form a date of that day is conventionally written in:
  // ユリウス暦 before 1582-10-15, 西暦 from then on.
  bool conventional = false;
};

// The pickers' fields for a day, so that the dialog shows where it is.
struct ConverterFields {
  int era = -1;  // the first era in force (the northern court's in 1331..1392)
  int eraYear = 0;
  int warekiMonth = 0;
  bool warekiLeap = false;
  int warekiDay = 0;
  int lunisolarYear = 0;
  int lunisolarMonth = 0;
  bool lunisolarLeap = false;
  int lunisolarDay = 0;
  GregorianDate gregorian;
  GregorianDate julian;
};

struct ConverterResult {
  long jdn = -1;
  std::string error;  // one line when the input names no day
  std::vector<ConverterLine> lines;
  ConverterFields fields;
  bool ok() const { return jdn >= 0; }
};

class WarekiConverterContent {
 public:
  explicit WarekiConverterContent(CalendarLaw law = CalendarLaw::Current);
  ~WarekiConverterContent();
  WarekiConverterContent(const WarekiConverterContent&) = delete;
  WarekiConverterContent& operator=(const WarekiConverterContent&) = delete;

  // The picker's eras in order of their start, each with its court when it
  // was one court's only: "天保", "暦応(北朝)", "延元(南朝)".  The index is
  // the era index of FromWareki.
  std::vector<std::string> EraChoices() const;
  // The day an era began, for the picker's hint ("天保元年12月10日から").
  std::string EraStartText(int era) const;

  ConverterResult FromText(const std::string& text) const;
  ConverterResult FromWareki(int era, int eraYear, int month, bool leap, int day) const;
  ConverterResult FromLunisolar(int year, int month, bool leap, int day) const;
  ConverterResult FromWestern(int year, int month, int day, bool julian) const;
  ConverterResult FromDay(long jdn) const;

  // "KEY\tVALUE" lines, the conventional Western form followed by " *";
  // the error line alone for a refused input.
  static std::string Text(const ConverterResult& result, bool markConventional = true);

  const EraDays& Eras() const { return *eras_; }

 private:
  std::unique_ptr<LunisolarTable> table_;
  std::unique_ptr<EraDays> eras_;
};

}  // namespace korvane
