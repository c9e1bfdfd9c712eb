#include "engine/format.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace korvane {

namespace {

// Length in bytes of the UTF-8 sequence that starts with `lead` (1 for a
// stray continuation byte, so a damaged text still advances).
int SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if ((lead & 0xE0) == 0xC0) return 2;
  if ((lead & 0xF0) == 0xE0) return 3;
  if ((lead & 0xF8) == 0xF0) return 4;
  return 1;
}

int CodePointWidth(std::string_view text, size_t pos, int length) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data()) + pos;
  if (length == 1) return 1;
  if (length == 3) {
    unsigned cp = ((p[0] & 0x0Fu) << 12) | ((p[1] & 0x3Fu) << 6) | (p[2] & 0x3Fu);
    if (cp >= 0xFF61 && cp <= 0xFF9F) return 1;  // half-width katakana
  }
  return 2;
}

void AppendPadded(std::string& out, std::string_view text, bool leftAlign, int width) {
  int pad = width - DisplayWidth(text);
  if (!leftAlign && pad > 0) out.append(static_cast<size_t>(pad), ' ');
  out.append(text);
  if (leftAlign && pad > 0) out.append(static_cast<size_t>(pad), ' ');
}

}  // namespace

int DisplayWidth(std::string_view utf8) {
  int width = 0;
  for (size_t i = 0; i < utf8.size();) {
    int len = SequenceLength(static_cast<unsigned char>(utf8[i]));
    if (i + static_cast<size_t>(len) > utf8.size()) len = static_cast<int>(utf8.size() - i);
    width += CodePointWidth(utf8, i, len);
    i += static_cast<size_t>(len);
  }
  return width;
}

std::string_view TruncateToWidth(std::string_view utf8, int columns) {
  int width = 0;
  size_t i = 0;
  while (i < utf8.size()) {
    int len = SequenceLength(static_cast<unsigned char>(utf8[i]));
    if (i + static_cast<size_t>(len) > utf8.size()) len = static_cast<int>(utf8.size() - i);
    int w = CodePointWidth(utf8, i, len);
    if (width + w > columns) break;
    width += w;
    i += static_cast<size_t>(len);
  }
  return utf8.substr(0, i);
}

std::string FormatV(const char* format, va_list args) {
  std::string out;
  if (format == nullptr) return out;
  const char* p = format;
  while (*p) {
    if (*p != '%') {
      const char* next = std::strchr(p, '%');
      if (!next) next = p + std::strlen(p);
      out.append(p, next);
      p = next;
      continue;
    }
    if (p[1] == '%') {
      out.push_back('%');
      p += 2;
      continue;
    }
    // Collect one conversion: flags, width, precision, length.
    const char* start = p++;
    bool leftAlign = false;
    while (*p && std::strchr("-+ #0", *p)) {
      if (*p == '-') leftAlign = true;
      ++p;
    }
    int width = -1;
    bool starWidth = false;
    if (*p == '*') {
      starWidth = true;
      width = va_arg(args, int);
      if (width < 0) {
        leftAlign = true;
        width = -width;
      }
      ++p;
    } else {
      while (*p >= '0' && *p <= '9') width = (width < 0 ? 0 : width * 10) + (*p++ - '0');
    }
    int precision = -1;
    bool starPrecision = false;
    if (*p == '.') {
      ++p;
      precision = 0;
      if (*p == '*') {
        starPrecision = true;
        precision = va_arg(args, int);
        ++p;
      } else {
        while (*p >= '0' && *p <= '9') precision = precision * 10 + (*p++ - '0');
      }
    }
    int longs = 0;
    bool longDouble = false;
    while (*p && std::strchr("hlLqjzt", *p)) {
      if (*p == 'l') ++longs;
      if (*p == 'L') longDouble = true;
      if (*p == 'z' || *p == 't' || *p == 'j') longs = 2;
      ++p;
    }
    char conv = *p;
    if (!conv) {  // a lone '%' at the end is copied as it stands
      out.append(start);
      break;
    }
    ++p;
    if (conv == 's') {
      const char* s = va_arg(args, const char*);
      std::string_view text = s ? std::string_view(s) : std::string_view("(null)");
      if (precision >= 0) text = TruncateToWidth(text, precision);
      AppendPadded(out, text, leftAlign, width);
      continue;
    }
    // Rebuild the conversion with the star arguments made explicit.
    std::string directive(start, static_cast<size_t>(p - start));
    if (starWidth || starPrecision) {
      directive = "%";
      if (leftAlign) directive += '-';
      for (const char* f = start + 1; *f && std::strchr("+ #0", *f); ++f) directive += *f;
      if (width >= 0) directive += std::to_string(width);
      if (precision >= 0) directive += "." + std::to_string(precision);
      directive.push_back(conv);
    }
    auto emit = [&out, &directive](auto value) {
      int n = std::snprintf(nullptr, 0, directive.c_str(), value);
      if (n <= 0) return;
      std::vector<char> buffer(static_cast<size_t>(n) + 1);
      std::snprintf(buffer.data(), buffer.size(), directive.c_str(), value);
      out.append(buffer.data(), static_cast<size_t>(n));
    };
    switch (conv) {
      case 'd': case 'i': case 'u': case 'x': case 'X': case 'o': case 'c':
        if (longs >= 2) emit(va_arg(args, long long));
        else if (longs == 1) emit(va_arg(args, long));
        else emit(va_arg(args, int));
        break;
      case 'f': case 'F': case 'e': case 'E': case 'g': case 'G': case 'a': case 'A':
        if (longDouble) emit(va_arg(args, long double));
        else emit(va_arg(args, double));
        break;
      case 'p':
        emit(va_arg(args, void*));
        break;
      default:  // unknown conversion: copy it literally
        out.append(directive);
        break;
    }
  }
  return out;
}

std::string Format(const char* format, ...) {
  va_list args;
  va_start(args, format);
  std::string out = FormatV(format, args);
  va_end(args);
  return out;
}

}  // namespace korvane
