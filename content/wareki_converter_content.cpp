#include "content/wareki_converter_content.h"

#include "engine/format.h"
#include "engine/julian_day.h"

namespace korvane {

namespace {

ConverterResult Refused(std::string error) {
  ConverterResult result;
  result.error = std::move(error);
  return result;
}

}  // namespace

WarekiConverterContent::WarekiConverterContent(CalendarLaw law)
    : table_(std::make_unique<LunisolarTable>(law)), eras_(std::make_unique<EraDays>(*table_)) {}

WarekiConverterContent::~WarekiConverterContent() = default;

std::vector<std::string> WarekiConverterContent::EraChoices() const {
  std::vector<std::string> choices;
  for (int era = 0; era < eras_->EraCount(); ++era) {
    std::string name = eras_->EraName(era);
    if (EraDays::EraCourt(era) == Court::North) name += "(北朝)";
    if (EraDays::EraCourt(era) == Court::South) name += "(南朝)";
    choices.push_back(std::move(name));
  }
  return choices;
}

std::string WarekiConverterContent::EraStartText(int era) const {
  const long start = eras_->EraStartJdn(era);
  if (start < 0) return {};
  return eras_->WarekiText(eras_->Wareki({era, 1, Court::Both}, start)) + "から";
}

ConverterResult WarekiConverterContent::FromText(const std::string& text) const {
  const DateTextResult parsed = ParseDateText(text, *eras_);
  if (!parsed.ok()) return Refused(parsed.error);
  return FromDay(parsed.jdn);
}

ConverterResult WarekiConverterContent::FromWareki(int era, int eraYear, int month, bool leap,
                                                   int day) const {
  std::string error;
  const long jdn = eras_->FromWareki({era, eraYear, month, leap, day}, &error);
  if (jdn < 0) return Refused(error);
  return FromDay(jdn);
}

ConverterResult WarekiConverterContent::FromLunisolar(int year, int month, bool leap,
                                                      int day) const {
  return FromText(Format("旧%d年%s%d月%d日", year, leap ? "閏" : "", month, day));
}

ConverterResult WarekiConverterContent::FromWestern(int year, int month, int day,
                                                    bool julian) const {
  return FromText(Format("%s%d年%d月%d日", julian ? "J" : "", year, month, day));
}

ConverterResult WarekiConverterContent::FromDay(long jdn) const {
  const DayConversion day = ConvertDay(jdn, *eras_);
  if (day.jdn < 0) return FromText("JDN" + std::to_string(jdn));
  ConverterResult result;
  result.jdn = jdn;
  for (auto& [key, value] : ConversionLines(day, *eras_)) {
    const bool conventional =
        (key == "西暦" && !day.julianConventional) || (key == "ユリウス暦" && day.julianConventional);
    result.lines.push_back({key, value, conventional});
  }
  ConverterFields& f = result.fields;
  f.era = day.eras.front().era;
  f.eraYear = day.wareki.front().eraYear;
  f.warekiMonth = day.wareki.front().month;
  f.warekiLeap = day.wareki.front().leap;
  f.warekiDay = day.wareki.front().day;
  f.lunisolarYear = day.lunisolar.year;
  f.lunisolarMonth = day.lunisolar.month;
  f.lunisolarLeap = day.lunisolar.leap;
  f.lunisolarDay = day.lunisolar.day;
  f.gregorian = day.gregorian;
  f.julian = day.julian;
  return result;
}

std::string WarekiConverterContent::Text(const ConverterResult& result, bool markConventional) {
  if (!result.ok()) return result.error + "\n";
  std::string out;
  for (const ConverterLine& line : result.lines) {
    out += line.key + "\t" + line.value + (markConventional && line.conventional ? " *" : "") + "\n";
  }
  return out;
}

}  // namespace korvane
