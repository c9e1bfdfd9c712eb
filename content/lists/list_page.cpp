#include "content/lists/list_page.h"

namespace korvane {

std::string ListPage::ToText() const {
  std::string out = title;
  out += '\n';
  for (size_t i = 0; i < columns.size(); ++i) {
    if (i) out += '\t';
    out += columns[i].header;
  }
  out += '\n';
  for (const auto& row : rows) {
    for (size_t i = 0; i < row.size(); ++i) {
      if (i) out += '\t';
      out += row[i];
    }
    out += '\n';
  }
  return out;
}

}  // namespace korvane
