#pragma once
// printf-style formatting into a std::string.
//
// The almanac's cell and caption formats were laid out for a fixed-pitch
// font in which a full-width character takes two columns and an ASCII or
// half-width katakana character one.  Our text is UTF-8, so for "%s" the
// field width and precision are counted in those display columns (the same
// count as the bytes of the text in code page 932), never in UTF-8 bytes, and
// a precision never cuts a character in half.  Every other conversion is
// passed to the C library as it stands.
#include <cstdarg>
#include <string>
#include <string_view>

namespace korvane {

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string FormatV(const char* format, va_list args);

// Display columns of a UTF-8 text in a fixed-pitch Japanese font: 1 for
// ASCII and half-width katakana (U+FF61..U+FF9F), 2 for everything else.
int DisplayWidth(std::string_view utf8);

// The longest prefix of `utf8` that fits in `columns` display columns.
std::string_view TruncateToWidth(std::string_view utf8, int columns);

}  // namespace korvane
