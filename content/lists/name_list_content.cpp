#include "content/lists/name_list_content.h"

#include <string>
#include <vector>

#include "engine/format.h"

namespace korvane {

namespace {

// A page of `count` rows, row r made by `cells(r)`; the title is the list's
// name as it stands.
template <typename Cells>
ListPage NamePage(const char* title, std::vector<ListColumn> columns, int count, Cells cells) {
  ListPage page;
  page.columns = std::move(columns);
  for (int r = 0; r < count; ++r) page.rows.push_back(cells(r));
  page.title = Format("%s", title);
  return page;
}

}  // namespace

ListPage EtoListContent::Page(const ListState&) {
  return NamePage("干支リスト", {{"NO", 4, 0}, {"干支", 6, 0}, {"よみ", 20, 0}}, EtoCycle::kCount,
                  [&](int r) {
                    return std::vector<std::string>{Format("%d", r), eto_.EtoName(r),
                                                    eto_.EtoReading(r)};
                  });
}

ListPage MonthListContent::Page(const ListState&) {
  return NamePage("月名リスト",
                  {{"NO", 4, 0}, {"月", 5, 0}, {"月名", 6, 0}, {"よみ", 12, 0}, {"英語", 12, 0}},
                  12, [&](int r) {
                    return std::vector<std::string>{
                        Format("%d", r), Format("%2d月", r + 1), names_.MonthNameOld(r),
                        names_.MonthNameReading(r), names_.MonthNameEn(r)};
                  });
}

ListPage WeekListContent::Page(const ListState&) {
  return NamePage("週名リスト", {{"NO", 4, 0}, {"日本語", 7, 0}, {"英語", 12, 0}}, 7, [&](int r) {
    return std::vector<std::string>{Format("%d", r), names_.WeekdayKanji(r),
                                    names_.WeekdayNameEn(r)};
  });
}

ListPage Week6ListContent::Page(const ListState&) {
  return NamePage("六曜名リスト", {{"NO", 4, 0}, {"六曜", 7, 0}, {"よみ", 12, 0}},
                  RokuyoCycle::kCount, [&](int r) {
                    return std::vector<std::string>{Format("%d", r), rokuyo_.RokuyoName(r),
                                                    rokuyo_.RokuyoReading(r)};
                  });
}

ListPage Star9ListContent::Page(const ListState&) {
  return NamePage("九星名リスト", {{"NO", 4, 0}, {"九星", 7, 0}, {"詳細", 12, 0}},
                  NineStarCycle::kCount, [&](int r) {
                    return std::vector<std::string>{Format("%d", r), stars_.StarShortName(r),
                                                    stars_.StarFullName(r)};
                  });
}

ListPage BirthdayListContent::Page(const ListState&) {
  return NamePage("誕生石・花一覧", {{"月", 4, 0}, {"誕生石", 20, 0}, {"誕生花", 20, 0}}, 12,
                  [&](int r) {
                    return std::vector<std::string>{Format("%d", r + 1), terms_.Birthstone(r + 1),
                                                    terms_.BirthFlower(r + 1)};
                  });
}

}  // namespace korvane
