#include "textdata/sjis.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>

namespace korvane {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// A conversion descriptor, opened once per thread (opening one loads the
// converter and costs far more than a day's text).
class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Iconv() {
    if (ok()) iconv_close(cd_);
  }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts as much of `in` as it can into `out`; returns false at the first
  // byte sequence it cannot convert, with `in` advanced to it.
  bool Convert(std::string_view& in, std::string& out) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    char buffer[1024];
    while (!in.empty()) {
      char* src = const_cast<char*>(in.data());
      size_t srcLeft = in.size();
      char* dst = buffer;
      size_t dstLeft = sizeof buffer;
      const size_t result = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      out.append(buffer, static_cast<size_t>(dst - buffer));
      in.remove_prefix(in.size() - srcLeft);
      if (result == static_cast<size_t>(-1) && errno != E2BIG) {
        return false;
      }
    }
    return true;
  }

 private:
  iconv_t cd_;
};

bool IsSjisTrailByte(unsigned char byte) { return byte >= 0x40 && byte <= 0xFC && byte != 0x7F; }


// Characters that have their own code point in Unicode's JIS mapping but share
// one slot with their full-width twin in code page 932 (〜 and ～, − and －,
// ...).  Input methods produce either; both are the same character on the
// page, so writing one and reading back the other changes nothing the user
// wrote.
bool IsCodePageTwin(std::string_view character) {
  static constexpr std::string_view kTwins[] = {
      "\u301C", "\u2016", "\u2212", "\u2014", "\u00A2", "\u00A3", "\u00AC", "\u2015",
      "\uFF5E", "\u2225", "\uFF0D", "\uFFE0", "\uFFE1", "\uFFE2"};
  return std::find(std::begin(kTwins), std::end(kTwins), character) != std::end(kTwins);
}

Iconv& Decoder() {
  thread_local Iconv decoder("UTF-8", "CP932");
  return decoder;
}

}  // namespace

size_t Utf8Length(std::string_view text) {
  const auto b0 = static_cast<unsigned char>(text[0]);
  size_t length = 0;
  char32_t min = 0;
  if (b0 < 0x80) return 1;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    length = 2, min = 0x80;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    length = 3, min = 0x800;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    length = 4, min = 0x10000;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  char32_t code = b0 & (0x3F >> (length - 1));
  for (size_t i = 1; i < length; ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if ((b & 0xC0) != 0x80) return 0;
    code = (code << 6) | (b & 0x3F);
  }
  if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

std::size_t SjisPrefixLength(std::string_view sjis, std::size_t maxBytes) {
  std::size_t length = 0;
  while (length < sjis.size()) {
    const std::size_t next =
        length + (IsSjisLeadByte(static_cast<unsigned char>(sjis[length])) && length + 1 < sjis.size() ? 2 : 1);
    if (next > maxBytes) break;
    length = next;
  }
  return length;
}

std::size_t FindSjis(std::string_view sjis, std::string_view needle) {
  for (std::size_t i = 0; i + needle.size() <= sjis.size();) {
    if (sjis.substr(i, needle.size()) == needle) return i;
    i += IsSjisLeadByte(static_cast<unsigned char>(sjis[i])) ? 2 : 1;
  }
  return std::string_view::npos;
}

std::string SjisToUtf8(std::string_view sjis) {
  std::string out;
  out.reserve(sjis.size() * 3 / 2);
  Iconv& cd = Decoder();
  if (!cd.ok()) {
    // Without the converter only ASCII can be trusted.
    for (char c : sjis) {
      if (static_cast<unsigned char>(c) < 0x80) {
        out += c;
      } else {
        out += kReplacement;
      }
    }
    return out;
  }
  while (!cd.Convert(sjis, out)) {
    // A lead byte with a trail byte that names no character is one bad
    // character; anything else is one bad byte.
    const auto lead = static_cast<unsigned char>(sjis[0]);
    const bool pair = IsSjisLeadByte(lead) && sjis.size() >= 2 && IsSjisTrailByte(static_cast<unsigned char>(sjis[1]));
    out += kReplacement;
    sjis.remove_prefix(pair ? 2 : 1);
  }
  return out;
}

bool Utf8ToSjis(std::string_view utf8, std::string& sjis, std::vector<std::string>* unwritable) {
  sjis.clear();
  std::vector<std::string> bad;
  thread_local Iconv encode("CP932", "UTF-8");
  Iconv& decode = Decoder();
  std::string out;
  out.reserve(utf8.size());
  std::string back;
  while (!utf8.empty()) {
    const size_t length = Utf8Length(utf8);
    if (length == 0) {
      if (std::find(bad.begin(), bad.end(), kReplacement) == bad.end()) bad.emplace_back(kReplacement);
      utf8.remove_prefix(1);
      continue;
    }
    const std::string_view character = utf8.substr(0, length);
    utf8.remove_prefix(length);
    if (length == 1) {  // ASCII is the same in both
      out += character;
      continue;
    }
    std::string_view in = character;
    std::string bytes;
    bool ok = encode.ok() && decode.ok() && encode.Convert(in, bytes);
    if (ok) {
      // Refuse best-fit guesses (¥ would come back as a backslash).
      std::string_view encoded = bytes;
      back.clear();
      ok = decode.Convert(encoded, back) && (back == character || IsCodePageTwin(character));
    }
    if (ok) {
      out += bytes;
    } else if (std::find(bad.begin(), bad.end(), character) == bad.end()) {
      bad.emplace_back(character);
    }
  }
  if (unwritable) *unwritable = bad;
  if (!bad.empty()) return false;
  sjis = std::move(out);
  return true;
}

}  // namespace korvane
