#include "state/display_state.h"

MonthOfYear DisplayMonth;
MonthOfYear LunarDisplayMonth;
int AreaCode = korvane::kDefaultAreaCode;
int ShowMainWindow = 1;
CalendarLaw CurrentLaw = CalendarLaw::Current;
PlaceList Places;

namespace korvane {

std::optional<ObservingPlace> UserSiteOf(int code) {
  if (code < LocationTable::kPlaceCount || !Places.IsValidCode(code)) return std::nullopt;
  return Places.At(code);
}

}  // namespace korvane
