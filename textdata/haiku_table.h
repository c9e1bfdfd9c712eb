#pragma once
// The haiku of the year: 366 records, record i holding haiku number i + 1,
// compiled into the program from resources/haiku/haiku.tsv.
//
// A date's haiku is record DayOfYear (January 1 = record 0), so haiku 366
// appears only on 31 December of a leap year.  A number the source has no line
// for is a record with present = 0: the day calendar and the haiku dialog
// show nothing for it.
#include <string>

namespace korvane {

struct HaikuRecord {
  std::string upper;   // first part of the poem
  std::string middle;  // middle part
  std::string lower;   // last part
  std::string era;     // era name of the year of composition (寛文 .. 元禄)
  int eraYear = 0;     // year of that era
  int month = 0;       // month of the entry, 99 when not recorded
  int day = 0;         // day of the entry, 99 when not recorded
  int number = 0;      // haiku number 1..366
  int present = 0;     // 0 when the table holds no poem for this number
};

constexpr int kHaikuCount = 366;

// A copy of record `index` (0..365).  Any other index gives an empty record
// (present = 0).
HaikuRecord HaikuOfDay(int index);

}  // namespace korvane
