// Writes the compiled haiku table from resources/haiku/haiku.tsv.
//
//   gen_haiku_table SOURCE.tsv OUTPUT.inc
//
// The source is UTF-8, a header line and then one tab-separated line per
// haiku: number upper middle lower era eraYear month day source.  Any line
// that does not fit the record layout stops the build with its line number,
// so a damaged row can never become a wrong or empty poem on screen.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "textdata/haiku_table.h"
#include "textdata/sjis.h"

namespace {

constexpr const char* kHeader = "number\tupper\tmiddle\tlower\tera\teraYear\tmonth\tday\tsource";

// The eras a haiku of the table can carry, with the number of years each ran.
struct Era {
  const char* name;
  int years;
};
constexpr Era kEras[] = {{"寛文", 13}, {"延宝", 9}, {"天和", 4}, {"貞享", 5}, {"元禄", 17}};

struct Row {
  std::string upper, middle, lower, era;
  int eraYear = 0, month = 0, day = 0;
  bool present = false;
};

[[noreturn]] void Fail(const std::string& where, const std::string& why) {
  std::cerr << where << ": error: " << why << "\n";
  std::exit(1);
}

std::vector<std::string> Split(const std::string& line) {
  std::vector<std::string> fields;
  std::string::size_type start = 0;
  for (;;) {
    const auto tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

int Number(const std::string& where, const std::string& text, const char* field, int low, int high, int alsoAllowed) {
  if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos) {
    Fail(where, std::string(field) + " is not a number: \"" + text + "\"");
  }
  const int value = std::stoi(text);
  if ((value < low || value > high) && value != alsoAllowed) {
    Fail(where, std::string(field) + " " + text + " is out of range");
  }
  return value;
}

// A poem part or era name must fit its fixed slot in code page 932 bytes,
// with room for the terminating zero.
void CheckText(const std::string& where, const std::string& text, const char* field, size_t slot) {
  if (text.empty()) Fail(where, std::string(field) + " is empty");
  std::string sjis;
  std::vector<std::string> bad;
  if (!korvane::Utf8ToSjis(text, sjis, &bad)) {
    Fail(where, std::string(field) + " has characters outside code page 932: " + bad.front());
  }
  if (sjis.size() >= slot) Fail(where, std::string(field) + " is longer than " + std::to_string(slot - 1) + " bytes");
}

std::string Quoted(const std::string& text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

int MonthLength(int month) {
  static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return kDays[month - 1];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: gen_haiku_table SOURCE.tsv OUTPUT.inc\n";
    return 2;
  }
  const std::string sourcePath = argv[1];
  std::ifstream in(sourcePath, std::ios::binary);
  if (!in) Fail(sourcePath, "cannot be read");

  std::vector<Row> rows(korvane::kHaikuCount);
  std::string line;
  int lineNumber = 0;
  while (std::getline(in, line)) {
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::string where = sourcePath + ":" + std::to_string(lineNumber);
    if (lineNumber == 1) {
      if (line != kHeader) Fail(where, std::string("the header must read: ") + kHeader);
      continue;
    }
    if (line.empty()) Fail(where, "empty line");
    const auto fields = Split(line);
    if (fields.size() != 9) Fail(where, "expected 9 tab-separated fields, found " + std::to_string(fields.size()));
    const int number = Number(where, fields[0], "number", 1, korvane::kHaikuCount, -1);
    Row& row = rows[number - 1];
    if (row.present) Fail(where, "haiku " + fields[0] + " appears twice");
    row.present = true;
    row.upper = fields[1];
    row.middle = fields[2];
    row.lower = fields[3];
    row.era = fields[4];
    CheckText(where, row.upper, "upper", 30);
    CheckText(where, row.middle, "middle", 30);
    CheckText(where, row.lower, "lower", 30);
    const Era* era = nullptr;
    for (const Era& e : kEras) {
      if (row.era == e.name) era = &e;
    }
    if (!era) Fail(where, "era \"" + row.era + "\" is not one of 寛文 延宝 天和 貞享 元禄");
    row.eraYear = Number(where, fields[5], "eraYear", 1, era->years, -1);
    row.month = Number(where, fields[6], "month", 1, 12, 99);
    row.day = Number(where, fields[7], "day", 1, 31, 99);
    if ((row.month == 99) != (row.day == 99)) Fail(where, "month and day must both be recorded or both be 99");
    if (row.month != 99 && row.day > MonthLength(row.month)) Fail(where, "no such day in that month");
  }
  if (lineNumber == 0) Fail(sourcePath, "is empty");

  std::ostringstream out;
  out << "// Generated from resources/haiku/haiku.tsv by tools/haiku_table/gen_haiku_table.cpp.  Do not edit.\n";
  for (int i = 0; i < korvane::kHaikuCount; ++i) {
    const Row& r = rows[i];
    if (r.present) {
      out << "{" << Quoted(r.upper) << ", " << Quoted(r.middle) << ", " << Quoted(r.lower) << ", " << Quoted(r.era)
          << ", " << r.eraYear << ", " << r.month << ", " << r.day << ", " << i + 1 << ", 1},\n";
    } else {
      out << "{\"\", \"\", \"\", \"\", 0, 0, 0, " << i + 1 << ", 0},\n";
    }
  }
  // Write only when the text changed, so an unchanged table rebuilds nothing.
  const std::string text = out.str();
  {
    std::ifstream old(argv[2], std::ios::binary);
    std::ostringstream previous;
    previous << old.rdbuf();
    if (old && previous.str() == text) return 0;
  }
  std::ofstream file(argv[2], std::ios::binary | std::ios::trunc);
  file << text;
  if (!file.flush()) Fail(argv[2], "cannot be written");
  return 0;
}
