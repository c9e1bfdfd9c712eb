#include "tools/list_printer.h"

#include <cstdio>

#include "astro/location_table.h"
#include "engine/format.h"
#include "engine/lunisolar_table.h"
#include "content/lists/list_kinds.h"
#include "content/year_range.h"

namespace korvane {

int PrintList(ViewKind kind, const ListArguments& args, std::string& error) {
  std::unique_ptr<ListContent> content = MakeListContent(kind, args.law);
  if (!content) return -1;
  const ViewKindInfo& info = ViewKindInfoOf(kind);
  const bool yearOnly =
      info.dialogMode == kModeGregorianYear || info.dialogMode == kModeLunarYear;
  const bool lunar = info.shared == SharedMonth::Lunisolar;
  constexpr int kUsage = 2;

  // What the kind takes: a year where it shows one, a month where it
  // shows a month, a place for the rise/set tables.
  if (args.year && info.shared == SharedMonth::None) {
    error = Format("%s shows no chosen year; give no YEAR", info.className);
    return kUsage;
  }
  if (args.month && (info.shared == SharedMonth::None || yearOnly)) {
    error = Format("%s shows a whole year; give no MONTH", info.className);
    return kUsage;
  }
  if (args.place && info.dialogMode != kModeMonthAndPlace) {
    error = Format("%s has no place; give no PLACE", info.className);
    return kUsage;
  }
  if (args.site && info.dialogMode != kModeMonthAndPlace) {
    error = Format("%s has no place; give no --lat and --lon", info.className);
    return kUsage;
  }
  if (args.site && args.place) {
    error = "give either PLACE or --lat and --lon";
    return kUsage;
  }
  if (args.year && (*args.year < kFirstDisplayYear || *args.year > kLastDisplayYear)) {
    error = Format("year %d is outside %d..%d", *args.year, kFirstDisplayYear, kLastDisplayYear);
    return kUsage;
  }
  const int months = lunar ? 13 : 12;
  if (args.month && (*args.month < 1 || *args.month > months)) {
    error = Format("month %d is outside 1..%d for %s", *args.month, months, info.className);
    return kUsage;
  }
  if (args.place && (*args.place < 0 || *args.place >= LocationTable::kPlaceCount)) {
    error = Format("place %d is outside 0..%d", *args.place, LocationTable::kPlaceCount - 1);
    return kUsage;
  }

  // The shared display state as the main frame sets it at start for
  // `today`: today's month (brought inside the table's years) and the
  // lunisolar month that holds its first day.
  ListState shared;
  shared.todayYear = args.todayYear;
  shared.todayMonth = args.todayMonth;
  shared.todayDay = args.todayDay;
  int year = args.todayYear;
  int month = args.todayMonth;
  if (year < kFirstDisplayYear + 1) year = kFirstDisplayYear + 1, month = 1;
  if (year > kLastDisplayYear) year = kLastDisplayYear, month = 12;
  if (lunar) {
    const LunisolarDate start = LunisolarTable().FromGregorian(year, month, 1);
    year = start.year;
    month = start.month;
  }
  shared.year = args.year.value_or(year);
  shared.month = args.month.value_or(month);
  shared.place = args.place.value_or(LocationTable::kDefaultPlace);
  shared.site = args.site;

  const ListPage page = content->Page(content->Clamp(shared));
#ifdef KORVANE_PRINT_IMAGES
  if (args.images.Any()) return WriteListImages(page, args.images);
#endif
  std::fputs(page.ToText().c_str(), stdout);
  return 0;
}

}  // namespace korvane
