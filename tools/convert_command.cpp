// korvane-print convert TEXT [--as-published]
//
// TEXT is a date in any form the converter dialog reads: 「天保3年閏11月5日」,
// 令和元年5月1日, 1832-12-26 (Gregorian), J1582-10-04 (Julian),
// 旧1832-11-05 (旧暦) or JDN2390544.  The lines are the dialog's, without its
// mark of the conventional Western form.
#include "tools/convert_command.h"

#include <cstdio>

#include "content/wareki_converter_content.h"

namespace {

int Refuse(const std::string& message) {
  std::fprintf(stderr, "korvane-print: convert: %s\n", message.c_str());
  return 2;
}

}  // namespace

int RunConvertCommand(const std::vector<std::string>& args) {
  CalendarLaw law = CalendarLaw::Current;
  std::vector<std::string> texts;
  for (const std::string& arg : args) {
    if (arg == "--as-published") {
      law = CalendarLaw::AsPublished;
    } else {
      texts.push_back(arg);
    }
  }
  if (texts.size() != 1) return Refuse("give one date, e.g. 天保3年閏11月5日 (korvane-print --help)");
  const korvane::WarekiConverterContent content(law);
  const korvane::ConverterResult result = content.FromText(texts.front());
  if (!result.ok()) return Refuse(result.error);
  std::fputs(korvane::WarekiConverterContent::Text(result, false).c_str(), stdout);
  return 0;
}
