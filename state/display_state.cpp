#include "state/display_state.h"

MonthOfYear DisplayMonth;
MonthOfYear LunarDisplayMonth;
int AreaCode = korvane::kDefaultAreaCode;
int ShowMainWindow = 1;
CalendarLaw CurrentLaw = CalendarLaw::Current;
