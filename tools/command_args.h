#pragma once
// What the subcommands of korvane-print share in reading their arguments.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "engine/format.h"

namespace korvane {

// An argument as a one-line message may show it: at most 40 bytes, control
// bytes as \xNN.
inline std::string ShownArgument(std::string_view text) {
  std::string out;
  for (unsigned char c : text.substr(0, 40)) {
    if (c < 0x20 || c == 0x7f)
      out += Format("\\x%02x", c);
    else
      out += char(c);
  }
  return out;
}

// The one-line refusal of subcommand `command`; the usage error status 2.
inline int RefuseArguments(const char* command, const std::string& message) {
  std::fprintf(stderr, "korvane-print: %s: %s (korvane-print --help)\n", command, message.c_str());
  return 2;
}

// The items of a comma-separated list ("a,b" gives a and b; "" one empty item).
inline std::vector<std::string> CommaItems(const std::string& list) {
  std::vector<std::string> items;
  size_t start = 0;
  while (start <= list.size()) {
    size_t comma = list.find(',', start);
    if (comma == std::string::npos) comma = list.size();
    items.push_back(list.substr(start, comma - start));
    start = comma + 1;
  }
  return items;
}

}  // namespace korvane
