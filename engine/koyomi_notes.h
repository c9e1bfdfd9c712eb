#pragma once
// The almanac's notes under each day (暦注): the 中段 (十二直), the lunar
// mansions (二十八宿, and the temple almanacs' 二十七宿), the day's 納音, the
// 干支 and 九星 of the year and month that the notes count by, and the 選日 /
// 下段 notes of the day.
//
// The notes count months by the 節 (節月: 寅月 from 立春, 卯月 from 啓蟄 ..),
// and years from 立春, whose days come from the solar terms of the rules in
// force; 不成就日 and the 二十七宿 count by the lunisolar month, a leap month
// counting as the month it repeats.  Dates 1853-01-01..2050-12-31.
#include <cstdint>
#include <string>

#include "engine/calendar_law.h"
#include "engine/lunisolar_table.h"
#include "engine/solar_term_table.h"

// The 選日 and 下段 notes, in the order a day lists them.
enum class DayNote : uint8_t {
  Tenshanichi,     // 天赦日
  Ichiryumanbai,   // 一粒万倍日
  Fujojubi,        // 不成就日
  Sanrinbo,        // 三隣亡
  Daimyonichi,     // 大明日
  Bosonichi,       // 母倉日
  Tenonnichi,      // 天恩日
  Kishukunichi,    // 鬼宿日
  Gettokunichi,    // 月徳日
  Jushinichi,      // 受死日
  Jushinichi10,    // 十死日
  Kikonichi,       // 帰忌日
  Chiimibi,        // 血忌日
  Omonichi,        // 往亡日
  Happo,           // 八専
  HappoMabi,       // 八専間日
  Jippogure,       // 十方暮
  Tenichitenjo,    // 天一天上
  Otsuchi,         // 大犯土
  TsuchiMabi,      // 犯土間日
  Kotsuchi,        // 小犯土
  Kinoene,         // 甲子
  Tsuchinotomi,    // 己巳
  Koshin,          // 庚申
  Kanotori,        // 辛酉
  Torabi,          // 寅の日
  Mibi,            // 巳の日
};

// A set of notes, one bit per DayNote.
class DayNoteSet {
 public:
  static constexpr int kCount = 27;

  constexpr DayNoteSet() = default;
  constexpr explicit DayNoteSet(uint32_t bits) : bits_(bits & kAll) {}

  constexpr bool Has(DayNote note) const { return bits_ & Bit(note); }
  constexpr void Add(DayNote note) { bits_ |= Bit(note); }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr bool Intersects(DayNoteSet other) const { return (bits_ & other.bits_) != 0; }
  constexpr DayNoteSet operator&(DayNoteSet other) const { return DayNoteSet(bits_ & other.bits_); }
  constexpr uint32_t Bits() const { return bits_; }
  constexpr bool operator==(const DayNoteSet&) const = default;

  // The names in list order joined by `separator` ("" when empty).
  std::string Join(const char* separator) const;

 private:
  static constexpr uint32_t kAll = (1u << kCount) - 1;
  static constexpr uint32_t Bit(DayNote note) { return 1u << static_cast<int>(note); }
  uint32_t bits_ = 0;
};

// Everything the notes say about one day.  Indexes are -1 on a day outside
// the range (`valid` false).
struct DayNotes {
  bool valid = false;
  int choku = -1;         // 十二直 0..11, 0 = 建
  int shuku28 = -1;       // 二十八宿 0..27, 0 = 角
  int shuku27 = -1;       // 二十七宿 0..26, 0 = 角
  int nacchin = -1;       // 納音 0..29, 0 = 海中金
  int setsuYear = 0;      // the 立春年
  int setsuMonth = 0;     // 節月 1..12, 1 = 寅月
  int setsuDay = 0;       // day of the 節月, 1 on the 節 day
  int yearEto = -1;       // 干支 of the 立春年, 0..59
  int monthEto = -1;      // 干支 of the 節月, 0..59
  int yearStar = -1;      // 九星 of the 立春年, 0 (一白) .. 8 (九紫)
  int monthStar = -1;     // 九星 of the 節月
  DayNoteSet notes;
  bool operator==(const DayNotes&) const = default;
};

class KoyomiNotes {
 public:
  static constexpr int kFirstYear = 1853;
  static constexpr int kLastYear = 2050;

  // The 節 days follow `law`'s solar terms.
  explicit KoyomiNotes(CalendarLaw law = CalendarLaw::AsPublished);
  CalendarLaw Law() const { return terms_.Law(); }

  static bool InRange(int year, int month, int day);

  // The notes of a Gregorian date; a date outside the range or not a date
  // gives the invalid record without a message.
  DayNotes Notes(int year, int month, int day) const;
  // The same for a day whose lunisolar date the caller already has.
  DayNotes Notes(int year, int month, int day, const LunisolarDate& lunar) const;

  // Names; an index outside the table gives the empty text.
  static const char* ChokuName(int index);
  static const char* Shuku28Name(int index);
  static const char* Shuku27Name(int index);
  static const char* NacchinName(int index);
  static const char* NoteName(DayNote note);
  // The note of a name ("天赦日"), false for an unknown one.
  static bool NoteByName(const std::string& name, DayNote& note);
  // One sentence on a note's rule, for help and tool tips.
  static const char* NoteRule(DayNote note);

  // The chief lucky and unlucky notes, the presets of the note lists.
  static DayNoteSet LuckyNotes();
  static DayNoteSet UnluckyNotes();
  // The notes the calendar export writes unless told otherwise.
  static DayNoteSet ExportNotes();

 private:
  SolarTermTable terms_;
  LunisolarTable lunar_;
};
