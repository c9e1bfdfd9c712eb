#pragma once
// The sexagenary cycle (干支): 60 pairs of a heavenly stem and an earthly
// branch, named in kanji ("甲子") and in their hiragana reading
// ("きのえ・ね").  Index 0 is 甲子; the index of a day comes from
// CalendarNames::SexagenaryDayIndex or LunisolarTable::LunarSexagenaryDayIndex.

class EtoCycle {
 public:
  static constexpr int kCount = 60;

  EtoCycle() = default;

  // One integer a: 0..59 is a cycle index; 60 and above is a year, whose
  // index is (a - 4) mod 60 (4 and 1984 are 甲子 years).  A negative
  // argument gives the empty text.
  const char* EtoName(int indexOrYear) const;
  const char* EtoReading(int indexOrYear) const;

  // The cycle index that EtoName and EtoReading use for `indexOrYear`, or -1
  // for a negative argument.
  static int CycleIndex(int indexOrYear);
};
