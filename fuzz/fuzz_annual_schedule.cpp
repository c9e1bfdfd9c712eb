#include <cstdlib>

#include "fuzz/fuzz_file.h"
#include "textdata/annual_schedule.h"
#include "textdata/sjis.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string& path = korvane::fuzz::WriteInput(data, size);
  const int month = size > 0 ? data[0] % 13 : 1;
  const int day = size > 1 ? data[1] % 32 : 1;
  std::string text;
  if (korvane::AnnualScheduleReader::ReadEntry(path, month, day, text) != 0) std::abort();
  if (text.size() > 1023 * 3) std::abort();

  // The editor's load and save: a text that encodes must read back as itself.
  korvane::AnnualScheduleText schedule;
  if (!korvane::LoadAnnualSchedule(path, schedule)) std::abort();
  std::string bytes;
  std::vector<std::string> bad;
  if (korvane::EncodeAnnualSchedule(schedule, bytes, &bad)) {
    std::string utf8 = korvane::SjisToUtf8(bytes);
    // Twins such as 〜 come back as their code page 932 form; compare their
    // encodings instead.
    std::string again;
    if (!korvane::Utf8ToSjis(utf8, again) || again != bytes) std::abort();
  } else if (bad.empty()) {
    std::abort();
  }
  return 0;
}
