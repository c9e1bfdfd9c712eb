#include "content/haiku_content.h"

#include "engine/format.h"
#include "engine/lunisolar_table.h"
#include "textdata/haiku_commentary_reader.h"
#include "textdata/text_line_source.h"

namespace korvane {

std::string HaikuYearText(const HaikuRecord& record, const LunisolarTable& lunisolar) {
  const int year = lunisolar.FindEraYear(record.era.c_str(), record.eraYear);
  // An era year the table does not know has no Gregorian year and no age;
  // the era as written is all that can be said.
  if (year == LunisolarTable::noEraYear) return Format("%s %d年", record.era.c_str(), record.eraYear);
  return Format("%s %d年(%d)(%d才)", record.era.c_str(), record.eraYear, year, year - 1643);
}

HaikuTexts HaikuTextsFor(int index, const std::string& rumikaPath, const LunisolarTable& lunisolar) {
  HaikuTexts texts;
  const HaikuRecord record = HaikuOfDay(index);
  if (!record.present) return texts;
  texts.poem = Format("%s %s %s", record.upper.c_str(), record.middle.c_str(), record.lower.c_str());
  texts.year = HaikuYearText(record, lunisolar);
  HaikuCommentaryReader reader;
  if (reader.Read(rumikaPath, index + 1, HaikuCommentaryReader::kLineWidth) == 0) {
    texts.reading = reader.reading();
    texts.seasonWord = reader.seasonWord();
    texts.commentary = RowsOfWidth(reader.commentary(), HaikuCommentaryReader::kLineWidth);
  }
  return texts;
}

}  // namespace korvane
