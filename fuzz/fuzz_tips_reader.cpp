#include <cstdlib>

#include "fuzz/fuzz_file.h"
#include "textdata/tips_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const korvane::TipsReader reader(korvane::fuzz::WriteInput(data, size));
  std::string heading, body;
  // The requested topic comes from the input's first byte, so every rule of
  // the topic choice is reached.
  const int requested = size > 0 ? static_cast<signed char>(data[0]) : 1;
  const int shown = reader.Load(requested, heading, body);
  if (shown < 0 || body.empty() || body[0] != '\n') std::abort();
  return 0;
}
