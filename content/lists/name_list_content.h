#pragma once
// The six name lists of the data hall: the sexagenary terms, the months, the
// weekdays, the 六曜, the nine stars, and the birthstones and birth flowers.
// Fixed tables from the engine's name operations; no year, nothing to clamp,
// the page never changes.
#include "engine/calendar_names.h"
#include "engine/eto_cycle.h"
#include "engine/nine_star_cycle.h"
#include "engine/rokuyo_cycle.h"
#include "engine/solar_term_table.h"
#include "content/lists/list_page.h"

namespace korvane {

// The shared state is not read; Clamp hands it back as it is.
class NameListContent : public ListContent {
 public:
  ListState Clamp(const ListState& shared) const override { return shared; }
};

// "干支リスト": the 60 sexagenary terms, 0 = 甲子.
class EtoListContent final : public NameListContent {
 public:
  ListPage Page(const ListState& state) override;

 private:
  EtoCycle eto_;
};

// "月名リスト": the months with their old names, readings and English names.
class MonthListContent final : public NameListContent {
 public:
  ListPage Page(const ListState& state) override;

 private:
  CalendarNames names_;
};

// "週名リスト": the weekdays from Sunday.
class WeekListContent final : public NameListContent {
 public:
  ListPage Page(const ListState& state) override;

 private:
  CalendarNames names_;
};

// "六曜名リスト": the six 六曜 from 先勝.
class Week6ListContent final : public NameListContent {
 public:
  ListPage Page(const ListState& state) override;

 private:
  RokuyoCycle rokuyo_;
};

// "九星名リスト": the nine stars from 一白.
class Star9ListContent final : public NameListContent {
 public:
  ListPage Page(const ListState& state) override;

 private:
  NineStarCycle stars_;
};

// "誕生石・花一覧": the birthstone and birth flower of each month.
class BirthdayListContent final : public NameListContent {
 public:
  ListPage Page(const ListState& state) override;

 private:
  SolarTermTable terms_;
};

}  // namespace korvane
