#pragma once
// The six-day cycle 六曜 (先勝, 友引, 先負, 仏滅, 大安, 赤口) and the readings
// of its names.  The index of a day comes from LunisolarTable::RokuyoIndex.

class RokuyoCycle {
 public:
  static constexpr int kCount = 6;

  RokuyoCycle() = default;

  // Index 0..5 (0 = 先勝); the empty text otherwise.
  const char* RokuyoName(int index) const;
  const char* RokuyoReading(int index) const;
};
