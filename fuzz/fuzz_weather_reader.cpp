#include <cstdlib>

#include "textdata/normal_temperature_table.h"
#include "fuzz/fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  NormalTemperatureTable table(korvane::fuzz::WriteInput(data, size));
  if (table.Build(3) != 1) std::abort();
  for (int month = 1; month <= 12; ++month) {
    for (int day = 1; day <= 31; day += 5) {
      const std::string text = table.TextFor(month, day);
      if (!text.empty() && text.rfind("平年(東京)気温 ", 0) != 0) std::abort();
    }
  }
  return 0;
}
