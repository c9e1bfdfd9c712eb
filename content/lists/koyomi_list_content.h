#pragma once
// 暦注ﾘｽﾄ: one row per day of a Gregorian year that carries any of the
// chosen notes (天赦日, 一粒万倍日, ...), with its 六曜, 十二直 and 二十八宿.
// The choice belongs to the view and is remembered in the settings.  No Qt.
#include "engine/almanac_day.h"
#include "engine/calendar_law.h"
#include "engine/koyomi_notes.h"
#include "content/lists/list_page.h"

namespace korvane {

class KoyomiListContent : public ListContent {
 public:
  // The choice a new list starts with when the settings have none.
  static DayNoteSet DefaultChoice();

  explicit KoyomiListContent(CalendarLaw law = CalendarLaw::AsPublished) : almanac_(law) {}
  ListState Clamp(const ListState& shared) const override;
  ListPage Page(const ListState& state) override;

  DayNoteSet Choice() const { return choice_; }
  // An empty choice lists nothing; the dialog does not offer one.
  void SetChoice(DayNoteSet choice) { choice_ = choice; }

  // The list's title for a year: "暦注ﾘｽﾄ 2026年 天赦日・一粒万倍日", with
  // "吉日" or "凶日" for a preset choice and "ほか" after the third name.
  std::string Title(int year) const;

 private:
  Almanac almanac_;
  DayNoteSet choice_ = DefaultChoice();
};

}  // namespace korvane
