#include "views/lists/list_kinds.h"

#include "views/lists/conversion_tables_content.h"
#include "views/lists/year_lists_content.h"

namespace korvane {

std::unique_ptr<ListContent> MakeListContent(ViewKind kind) {
  switch (kind) {
    case ViewKind::NOList: return std::make_unique<NOListContent>();
    case ViewKind::ONList: return std::make_unique<ONListContent>();
    case ViewKind::OMList: return std::make_unique<OMListContent>();
    case ViewKind::HolidayList: return std::make_unique<HolidayListContent>();
    case ViewKind::N24List: return std::make_unique<N24ListContent>();
    case ViewKind::MiscSeasonList: return std::make_unique<MiscSeasonListContent>();
    case ViewKind::NengoList: return std::make_unique<NengoListContent>();
    default: return nullptr;
  }
}

}  // namespace korvane
