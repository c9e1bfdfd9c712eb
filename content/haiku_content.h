#pragma once
// What the haiku dialog (ルミカの俳句) shows for a day of the year: the poem,
// its reading, season word and commentary from "rumika.txt", and the year of
// composition with the poet's age.  Plain C++.
#include <string>

#include "textdata/haiku_table.h"

class LunisolarTable;

namespace korvane {

struct HaikuTexts {
  std::string poem;        // 1036: "%s %s %s"
  std::string reading;     // 1037
  std::string seasonWord;  // 1039
  std::string commentary;  // 1040: rows of the 44-column edit, joined by '\n'
  std::string year;        // 1038: "%s %d年(%d)(%d才)"
};

// The texts for haiku `index` (DayOfYear, January 1 = 0).  A record the table
// does not hold gives empty texts.  `rumikaPath` is read for the reading,
// season word and commentary; when it cannot be read (the message is shown)
// those stay empty and the poem and year are still given.
HaikuTexts HaikuTextsFor(int index, const std::string& rumikaPath, const LunisolarTable& lunisolar);

// The year line of a record: the era year's Gregorian year and the age in
// that year of a poet born in 1644 (counted the traditional way).
std::string HaikuYearText(const HaikuRecord& record, const LunisolarTable& lunisolar);

}  // namespace korvane
