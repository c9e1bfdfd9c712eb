// The conversion pair on arbitrary bytes: decoding always succeeds with valid
// UTF-8; encoding either succeeds and reads back, or names what it refused.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "textdata/sjis.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::string utf8 = korvane::SjisToUtf8(input);
  std::string sjis;
  std::vector<std::string> bad;
  // Decoded text is well-formed UTF-8 and only U+FFFD can be unwritable.
  if (!korvane::Utf8ToSjis(utf8, sjis, &bad)) {
    if (bad != std::vector<std::string>{"\xEF\xBF\xBD"}) std::abort();
  } else if (korvane::SjisToUtf8(sjis) != utf8) {
    std::abort();
  }
  // The input as UTF-8: encoding never claims success for what it changed.
  if (korvane::Utf8ToSjis(input, sjis, &bad)) {
    std::string back;
    if (!korvane::Utf8ToSjis(korvane::SjisToUtf8(sjis), back) || back != sjis) std::abort();
  } else if (bad.empty()) {
    std::abort();
  }
  return 0;
}
