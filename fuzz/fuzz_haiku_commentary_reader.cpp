#include <cstdlib>

#include "fuzz/fuzz_file.h"
#include "textdata/haiku_commentary_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string& path = korvane::fuzz::WriteInput(data, size);
  const int key = size > 0 ? data[0] % 8 : 1;
  korvane::HaikuCommentaryReader reader;
  if (reader.Read(path, key) != 0) std::abort();
  // UTF-8 is at most three bytes per code page 932 byte.
  if (reader.reading().size() > 79 * 3 || reader.commentary().size() > 1023 * 3) std::abort();
  return 0;
}
