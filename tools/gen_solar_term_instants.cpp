// Writes engine/solar_term_instants.inc: the JST instant of every solar term
// of the formula's years, as the program's own sun gives it, for the current
// rules' term days.  Run it again only if the sun's series changes; the
// whole-range test in tests/astro says when the table and the sun disagree.
//
//   gen_solar_term_instants > engine/solar_term_instants.inc
#include <cmath>
#include <cstdio>

#include "astro/solar_term_instant.h"
#include "astro/sun_ephemeris.h"
#include "engine/solar_term_table.h"

int main() {
  const SunEphemeris sun;
  std::printf("// Made by tools/gen_solar_term_instants; do not edit.\n");
  std::printf("// Per year from %d: day of month * 1440 + JST minutes, terms 冬至 .. 大雪.\n",
              SolarTermTable::kFirstYear);
  for (int year = SolarTermTable::kFirstYear; year <= SolarTermTable::kLastYear; ++year) {
    std::printf("{");
    for (int i = 0; i < SolarTermTable::kTermCount; ++i) {
      const SolarTermInstant t = FindSolarTermInstant(sun, year, i);
      if (t.year != year || t.month != SolarTermTable::TermMonth(i)) {
        std::fprintf(stderr, "term %d of %d leaves its month\n", i, year);
        return 1;
      }
      const int minutes = t.day * 1440 + int(std::floor(t.hours * 60));
      std::printf("%s%d", i ? "," : "", minutes);
    }
    std::printf("},  // %d\n", year);
  }
  return 0;
}
