#include "content/lists/list_kinds.h"

#include "content/lists/age_list_content.h"
#include "content/lists/astronomy_list_content.h"
#include "content/lists/conversion_tables_content.h"
#include "content/lists/name_list_content.h"
#include "content/lists/senmei_list_content.h"
#include "content/lists/koyomi_list_content.h"
#include "content/lists/year_lists_content.h"

namespace korvane {

std::unique_ptr<ListContent> MakeListContent(ViewKind kind, CalendarLaw law) {
  switch (kind) {
    case ViewKind::NOList: return std::make_unique<NOListContent>(law);
    case ViewKind::ONList: return std::make_unique<ONListContent>(law);
    case ViewKind::OMList: return std::make_unique<OMListContent>(law);
    case ViewKind::HolidayList: return std::make_unique<HolidayListContent>(law);
    case ViewKind::N24List: return std::make_unique<N24ListContent>(law);
    case ViewKind::MiscSeasonList: return std::make_unique<MiscSeasonListContent>(law);
    case ViewKind::NengoList: return std::make_unique<NengoListContent>(law);
    case ViewKind::EtoList: return std::make_unique<EtoListContent>();
    case ViewKind::MonthList: return std::make_unique<MonthListContent>();
    case ViewKind::WeekList: return std::make_unique<WeekListContent>();
    case ViewKind::Week6List: return std::make_unique<Week6ListContent>();
    case ViewKind::Star9List: return std::make_unique<Star9ListContent>();
    case ViewKind::BirthdayList: return std::make_unique<BirthdayListContent>();
    case ViewKind::AgeList: return std::make_unique<AgeListContent>(law);
    case ViewKind::GreenwichList: return std::make_unique<GreenwichListContent>();
    case ViewKind::MoonAgeList: return std::make_unique<MoonAgeListContent>();
    case ViewKind::MoonPhaseList: return std::make_unique<MoonPhaseListContent>();
    case ViewKind::MoonTimeList: return std::make_unique<MoonTimeListContent>();
    case ViewKind::SunTimeList: return std::make_unique<SunTimeListContent>();
    case ViewKind::KoyomiList: return std::make_unique<KoyomiListContent>(law);
    case ViewKind::SenmeiList: return std::make_unique<SenmeiListContent>();
    default: return nullptr;
  }
}

}  // namespace korvane
