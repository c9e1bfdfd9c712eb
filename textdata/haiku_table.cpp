#include "textdata/haiku_table.h"

namespace korvane {
namespace {

struct StoredHaiku {
  const char* upper;
  const char* middle;
  const char* lower;
  const char* era;
  int eraYear;
  int month;
  int day;
  int number;
  int present;
};

// Written at build time from resources/haiku/haiku.tsv by tools/haiku_table/gen_haiku_table.cpp.
constexpr StoredHaiku kHaiku[kHaikuCount] = {
#include "haiku_table.inc"
};

}  // namespace

HaikuRecord HaikuOfDay(int index) {
  if (index < 0 || index >= kHaikuCount) return {};
  const StoredHaiku& h = kHaiku[index];
  return {h.upper, h.middle, h.lower, h.era, h.eraYear, h.month, h.day, h.number, h.present};
}

}  // namespace korvane
