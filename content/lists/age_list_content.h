#pragma once
// "年齢早見表": the last 120 years counted back from this year, with the era,
// the year's sexagenary reading, the age in full years a person born in it
// reaches this year, the days of the years since, and the unlucky years.
#include "engine/calendar_law.h"
#include "engine/calendar_names.h"
#include "engine/eto_cycle.h"
#include "engine/lunisolar_table.h"
#include "content/lists/list_page.h"

namespace korvane {

class AgeListContent final : public ListContent {
 public:
  static constexpr int kRows = 120;

  // The eras follow `law` (the view passes the shared CurrentLaw).
  explicit AgeListContent(CalendarLaw law = CalendarLaw::AsPublished) : table_(law) {}

  // Only today's year is read; a state without one takes the clock's.
  ListState Clamp(const ListState& shared) const override;
  ListPage Page(const ListState& state) override;

  // The unlucky-year text of an age in full years ("女子本厄(37)" at 36), or
  // "" for an age that is not one.
  static const char* UnluckyYear(int age);

 private:
  LunisolarTable table_;
  CalendarNames names_;
  EtoCycle eto_;
};

}  // namespace korvane
