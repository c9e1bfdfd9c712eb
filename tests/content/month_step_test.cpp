// The navigation keys' steps: a walk over every month of a view's years
// forward and back, the year steps through leap months, and the ends.
#include <gtest/gtest.h>

#include "content/month_step.h"
#include "engine/lunisolar_table.h"
#include "engine/message_hook.h"

namespace korvane {
namespace {

TEST(MonthStepTest, WalksEveryMonthOfTheRangeForwardAndBackWithBeepsOnlyAtTheEnds) {
  for (int mode : {kModeGregorianMonth, kModeLunarMonth}) {
    const YearRange range = YearRangeOf(YearRangeKind::LunarDate);
    MonthStepper stepper(mode, range);
    MessageRecorder recorder;
    const ShownMonth first{range.min, 1};
    const ShownMonth last{range.max, stepper.MonthsInYear(range.max)};
    int months = 0;
    for (int y = range.min; y <= range.max; ++y) months += stepper.MonthsInYear(y);
    ShownMonth at = first;
    int steps = 0;
    for (; !(at == last) && steps < months; ++steps) {
      const ShownMonth next = stepper.StepMonth(at, +1);
      ASSERT_TRUE(next.year == at.year ? next.month == at.month + 1
                                       : next.year == at.year + 1 && next.month == 1)
          << mode << " " << at.year << "/" << at.month;
      ASSERT_EQ(stepper.StepMonth(next, -1), at) << mode << " " << next.year << "/" << next.month;
      at = next;
    }
    EXPECT_EQ(steps, months - 1) << mode;
    EXPECT_EQ(recorder.beeps(), 0);
    EXPECT_EQ(stepper.StepMonth(last, +1), last);
    EXPECT_EQ(stepper.StepMonth(first, -1), first);
    EXPECT_EQ(stepper.StepYear(last, +1), last);
    EXPECT_EQ(recorder.beeps(), 3) << mode;
    EXPECT_TRUE(recorder.messages().empty());
  }
}

TEST(MonthStepTest, YearStepsKeepTheMonthAndItsLeap) {
  LunisolarTable table;
  // Years with a leap month, and the position of that month.
  const int leap2020 = table.LeapPosition(2020);  // 閏4
  const int leap2023 = table.LeapPosition(2023);  // 閏2
  ASSERT_EQ(leap2020, 5);
  ASSERT_EQ(leap2023, 3);
  MonthStepper lunar(kModeLunarMonth, YearRangeOf(YearRangeKind::LunarDate));
  MonthStepper gregorian(kModeGregorianMonth, YearRangeOf(YearRangeKind::Astronomy));
  MonthStepper years(kModeGregorianYear, YearRangeOf(YearRangeKind::SolarTerms));
  struct Case {
    const MonthStepper* stepper;
    ShownMonth from;
    int delta;
    ShownMonth to;
    int beeps;
  } cases[] = {
      {&lunar, {2020, 5}, +1, {2021, 4}, 0},    // 閏4 → 4 of a year without a leap
      {&lunar, {2020, 6}, +1, {2021, 5}, 0},    // 5 (after the leap) → 5
      {&lunar, {2021, 5}, -1, {2020, 6}, 0},    // and back to the 5 after the leap
      {&lunar, {2021, 2}, +2, {2023, 2}, 0},    // 2 before 閏2 stays the plain 2
      {&lunar, {2023, 3}, -3, {2020, 2}, 0},    // 閏2 → 2
      {&lunar, {2023, 13}, +1, {2024, 12}, 0},  // the thirteenth position is 12
      {&gregorian, {2049, 7}, +5, {2050, 7}, 1},  // past the end: the end, with the beep
      {&gregorian, {1975, 7}, -1, {1975, 7}, 1},  // at the end: refused
      {&years, {2000, 1}, +1, {2001, 1}, 0},
  };
  for (const Case& c : cases) {
    MessageRecorder recorder;
    EXPECT_EQ(c.stepper->StepYear(c.from, c.delta), c.to) << c.from.year << "/" << c.from.month;
    EXPECT_EQ(recorder.beeps(), c.beeps) << c.from.year << "/" << c.from.month;
  }
  // The lists of a whole year step by years.
  MessageRecorder recorder;
  EXPECT_EQ(years.Step({2000, 1}, -1), (ShownMonth{1999, 1}));
  EXPECT_EQ(lunar.Step({2020, 5}, +1), (ShownMonth{2020, 6}));
}

TEST(MonthStepTest, TodayIsTheMonthHoldingTheDateOrTheNearestEnd) {
  MessageRecorder recorder;
  MonthStepper gregorian(kModeGregorianMonth, YearRangeOf(YearRangeKind::Astronomy));
  MonthStepper lunar(kModeLunarMonth, YearRangeOf(YearRangeKind::LunarDate));
  MonthStepper senmyo(kModeGregorianYear, YearRangeOf(YearRangeKind::Senmyo));
  EXPECT_EQ(gregorian.Today(2024, 5, 15), (ShownMonth{2024, 5}));
  // 2024-05-15 is the eighth of the fourth lunisolar month; 2023-06-20 in
  // the leap month after the second is the third of the fifth (position 6).
  EXPECT_EQ(lunar.Today(2024, 5, 15), (ShownMonth{2024, 4}));
  EXPECT_EQ(lunar.Today(2023, 6, 20), (ShownMonth{2023, 6}));
  // New Year's day lies in the eleventh month of the year before.
  EXPECT_EQ(lunar.Today(2024, 1, 1), (ShownMonth{2023, 12}));  // 11 after 閏2
  EXPECT_EQ(recorder.beeps(), 0);
  EXPECT_EQ(senmyo.Today(2024, 5, 15), (ShownMonth{1684, 12}));
  EXPECT_EQ(gregorian.Today(1970, 5, 1), (ShownMonth{1975, 1}));
  EXPECT_EQ(recorder.beeps(), 2);
}

}  // namespace
}  // namespace korvane
