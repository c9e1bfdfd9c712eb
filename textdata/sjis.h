#pragma once
// The program's one pair of conversions between the TxtData files' code page
// 932 (Shift-JIS as Windows writes it) and the UTF-8 used everywhere inside.
//
// Reading never fails: a byte that is not valid code page 932 becomes U+FFFD,
// so a damaged file shows where it is damaged instead of losing text.  Writing
// refuses rather than change the user's text: every character that code page
// 932 cannot hold is reported, and nothing is written.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// First byte of a double-byte character in code page 932.
constexpr bool IsSjisLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Length of the longest prefix of `sjis` of at most `maxBytes` bytes that
// does not end inside a double-byte character.
std::size_t SjisPrefixLength(std::string_view sjis, std::size_t maxBytes);

// Position of `needle` in `sjis` at a character boundary (so a trail byte is
// never taken for the start of a match), or npos.
std::size_t FindSjis(std::string_view sjis, std::string_view needle);

// Length of the UTF-8 sequence starting at `text[0]` (`text` not empty), or
// 0 when it is not a well-formed one.
std::size_t Utf8Length(std::string_view text);

// Code page 932 bytes to UTF-8; invalid bytes become U+FFFD (one per bad
// double-byte pair, one per stray byte).
std::string SjisToUtf8(std::string_view sjis);

// UTF-8 to code page 932.  Returns true with `sjis` filled when every
// character can be written and reads back as itself (the JIS variants that
// code page 932 stores in one slot, such as 〜 and ～, count as writable).
// Otherwise returns false, leaves `sjis` empty and lists in `unwritable` each
// offending character once, in order of first appearance (U+FFFD stands for
// bytes that are not UTF-8).
bool Utf8ToSjis(std::string_view utf8, std::string& sjis, std::vector<std::string>* unwritable = nullptr);

}  // namespace korvane
