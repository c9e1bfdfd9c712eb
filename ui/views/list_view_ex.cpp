#include "ui/views/list_view_ex.h"

#include <QEvent>
#include <algorithm>
#include <vector>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include "engine/calendar_names.h"
#include "render/font_maker.h"
#include "framework/message_box.h"
#include "framework/wait_cursor.h"
#include "state/app_settings.h"
#include "state/display_state.h"
#include "ui/dialogs/shell_dialogs.h"
#include "ui/dialogs/note_choice_dialog.h"
#include "ui/dialogs/year_month_dialog.h"
#include "content/command_ids.h"
#include "ui/page_commands.h"
#include "content/lists/koyomi_list_content.h"
#include "content/lists/list_kinds.h"
#include "content/month_step.h"
#include "render/list_sheet_page.h"

namespace korvane {
namespace {

// Space kept free beside a cell's text: the first column's text is inset by
// 2 pixels on each side, the others' by 6, and a text counts as fitting
// only with that much (4 or 12 pixels) to spare.
constexpr int kFirstInset = 2;
constexpr int kCellInset = 6;

// Draws one cell's text: shortened to the column, single line, vertically
// centred, without clipping; the row's background is already drawn.
class ReportCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty()) return;
    const int inset = index.column() == 0 ? kFirstInset : kCellInset;
    const QFontMetrics metrics(option.font);
    const QString shown =
        ReportList::ShortenToFit(text, metrics, option.rect.width(), 2 * inset);
    int align = Qt::AlignLeft;
    // A column's own alignment holds only for text that fits whole.
    if (shown == text) {
      const int columnAlign = index.data(Qt::TextAlignmentRole).toInt();
      if (columnAlign & Qt::AlignRight) align = Qt::AlignRight;
      if (columnAlign & Qt::AlignHCenter) align = Qt::AlignHCenter;
    }
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(option.rect.adjusted(inset, 0, -inset, 0),
                      align | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip, shown);
    painter->restore();
  }
};

}  // namespace

ReportList::ReportList(QWidget* parent) : QTreeWidget(parent) {
  setRootIsDecorated(false);
  setItemsExpandable(false);
  setUniformRowHeights(true);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setAllColumnsShowFocus(true);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSortingEnabled(false);
  setItemDelegate(new ReportCellDelegate(this));
  header()->setStretchLastSection(false);
  header()->setSectionsClickable(false);
  header()->setSectionsMovable(false);
  header()->setSectionResizeMode(QHeaderView::Interactive);
  header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

QString ReportList::ShortenToFit(const QString& text, const QFontMetrics& metrics, int width,
                                 int offset) {
  if (text.isEmpty() || metrics.horizontalAdvance(text) + offset <= width) return text;
  const QString dots = QStringLiteral("...");
  QString kept = text;
  // Whole characters come off the end; a surrogate pair is one character.
  while (kept.size() > 1 && metrics.horizontalAdvance(kept + dots) + offset > width) {
    int cut = kept.size() - 1;
    if (cut > 0 && kept.at(cut).isLowSurrogate() && kept.at(cut - 1).isHighSurrogate()) --cut;
    if (cut == 0) break;
    kept.truncate(cut);
  }
  return kept + dots;
}

void ReportList::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                         const QModelIndex& index) const {
  // The selected row's highlight runs on to the right edge of the window,
  // past the last column.
  const bool selected = selectionModel() && selectionModel()->isSelected(index);
  const QRect full(0, option.rect.top(), std::max(viewport()->width(), option.rect.right() + 1),
                   option.rect.height());
  painter->fillRect(full, palette().color(selected ? QPalette::Highlight : QPalette::Base));
  QTreeWidget::drawRow(painter, option, index);
}

bool ReportList::viewportEvent(QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      // The mouse selects nothing; a right press asks for 月の設定.
      const auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::RightButton && event->type() == QEvent::MouseButtonPress)
        emit rightPressed();
      setFocus(Qt::MouseFocusReason);
      return true;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
      return true;
    default:
      return QTreeWidget::viewportEvent(event);
  }
}

}  // namespace korvane

using korvane::ListState;

CListViewEx::CListViewEx(ViewKind kind)
    : info_(&ViewKindInfoOf(kind)),
      content_(korvane::MakeListContent(kind, CurrentLaw)),
      list_(new korvane::ReportList(this)) {
  setObjectName(QString::fromUtf8(info_->className));
  SetResourceId(info_->resourceId);
  SetClientWidget(list_);
  if (info_->HasDialog()) {
    HandleCommand(korvane::ID_MONTH_SETTING, [this] { ChooseMonth(); });
    if (info_->dialogMode == korvane::kModeMonthAndPlace)
      HandleCommand(korvane::ID_AREA_SETTING, [this] { ChooseMonth(); });
    connect(list_, &korvane::ReportList::rightPressed, this, &CListViewEx::ChooseMonth);
    HandleCommand(korvane::ID_STEP_PREVIOUS, [this] { Step(-1); });
    HandleCommand(korvane::ID_STEP_NEXT, [this] { Step(+1); });
    HandleCommand(korvane::ID_STEP_TODAY, [this] { Step(0); });
  }
  if (info_->tipTopic != 0) HandleCommand(korvane::ID_ONE_POINT, [this] { ShowTip(); });
  if (kind == ViewKind::KoyomiList) HandleCommand(korvane::ID_NOTE_CHOICE, [this] { ChooseNotes(); });
  ApplyNoteChoice();
  HandleCommand(korvane::ID_FILE_EXPORT, [this] { ExportTable(); });
  HandleCommand(korvane::ID_FILE_PRINT, [this] { PrintTable(); });
}

CListViewEx::~CListViewEx() = default;

bool CListViewEx::OnCreate() {
  korvane::CWaitCursor wait;
  if (!content_) return false;
  // The list writes in the fixed-pitch gothic at the platform's size.  Its
  // columns are measured, as a device context freshly made for the window
  // measures them, in the larger fixed-pitch system font: half as large
  // again as the list's own, which leaves each column the room its text
  // and the cell insets need.
  QFont font = FontMaker::ToQFont(FontMaker::DefaultLogFont());
  font.setPointSizeF(QFont().pointSizeF());
  list_->setFont(font);
  QFont systemFont = font;
  systemFont.setPointSizeF(font.pointSizeF() * 1.5);
  charWidth_ = std::max(1, QFontMetrics(systemFont).averageCharWidth());

  // The shared display values the kind starts from, clamped by the kind.
  ListState shared;
  CalendarNames calendar;
  shared.todayDay = calendar.Today(shared.todayYear, shared.todayMonth);
  const MonthOfYear* month = info_->shared == SharedMonth::Gregorian   ? &DisplayMonth
                             : info_->shared == SharedMonth::Lunisolar ? &LunarDisplayMonth
                                                                       : nullptr;
  shared.year = month ? month->year : shared.todayYear;
  shared.month = month ? month->month : shared.todayMonth;
  shared.place = AreaCode;
  shared.site = korvane::UserSiteOf(AreaCode);
  state_ = content_->Clamp(shared);
  page_ = content_->Page(state_);
  AddColumns();
  return true;
}

void CListViewEx::OnInitialUpdate() {
  korvane::CWaitCursor wait;
  CView::OnInitialUpdate();
  InsertBlankRows();
  FillRows();
  FitWindowToTable();
  // The keys work at once: the first row is current (not selected: only
  // the keys select) and the list has the focus, so End or PageDown need
  // no click first.
  MakeCurrent(0, false);
  list_->setFocus(Qt::OtherFocusReason);
}

void CListViewEx::AddColumns() {
  list_->setColumnCount(static_cast<int>(page_.columns.size()));
  QStringList headers;
  for (const korvane::ListColumn& column : page_.columns) headers << QString::fromStdString(column.header);
  list_->setHeaderLabels(headers);
  for (size_t i = 0; i < page_.columns.size(); ++i)
    list_->setColumnWidth(static_cast<int>(i), page_.columns[i].widthChars * charWidth_);
}

void CListViewEx::FitWindowToTable() {
  // The child window opens as wide as the table and its scroll bar, no
  // wider than the MDI area leaves it: no blank half, no sideways scroll.
  auto* window = qobject_cast<QMdiSubWindow*>(parentWidget());
  for (QWidget* w = parentWidget(); !window && w; w = w->parentWidget())
    window = qobject_cast<QMdiSubWindow*>(w);
  if (!window || window->isMaximized() || !window->mdiArea()) return;
  int table = 2 * list_->frameWidth() + list_->verticalScrollBar()->sizeHint().width();
  for (int c = 0; c < list_->columnCount(); ++c) table += list_->columnWidth(c);
  const int chrome = window->width() - list_->width();
  const int area = window->mdiArea()->viewport()->width();
  if (table + chrome > area) table -= NarrowColumns(table + chrome - area);
  const int wanted = std::max(window->minimumSizeHint().width(), std::min(table + chrome, area));
  // A window opened far to the right moves left rather than cut its table.
  if (window->x() + wanted > area) window->move(std::max(0, area - wanted), window->y());
  window->resize(wanted, window->height());
}

int CListViewEx::NarrowColumns(int excess) {
  // A column needs its widest text (the page's cells, a line of its
  // width in characters, its header) in the list's face, with the insets
  // the cells keep; the room it has beyond that is given up evenly, in
  // proportion, until the excess is gone or every column is at its least.
  const QFontMetrics metrics(list_->font());
  const int count = list_->columnCount();
  std::vector<int> least(count), full(count);
  int spare = 0;
  for (int c = 0; c < count; ++c) {
    const auto& column = page_.columns[c];
    const int inset = 2 * (c == 0 ? korvane::kFirstInset : korvane::kCellInset);
    int widest = std::max(metrics.horizontalAdvance(QString(column.widthChars, u'0')),
                          metrics.horizontalAdvance(QString::fromStdString(column.header)));
    for (const auto& row : page_.rows)
      widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(row[c])));
    full[c] = list_->columnWidth(c);
    least[c] = std::min(full[c], widest + inset);
    spare += full[c] - least[c];
  }
  if (spare <= 0) return 0;
  const int given = std::min(spare, excess);
  std::vector<int> cut(count);
  int taken = 0;
  for (int c = 0; c < count; ++c) {
    cut[c] = static_cast<int>(static_cast<long long>(full[c] - least[c]) * given / spare);
    taken += cut[c];
  }
  // The pixels the rounding left, one each from the first columns with room.
  for (int c = 0; c < count && taken < given; ++c) {
    if (full[c] - cut[c] > least[c]) {
      ++cut[c];
      ++taken;
    }
  }
  for (int c = 0; c < count; ++c) list_->setColumnWidth(c, full[c] - cut[c]);
  return taken;
}

void CListViewEx::InsertBlankRows() {
  QList<QTreeWidgetItem*> rows;
  rows.reserve(static_cast<int>(page_.rows.size()));
  for (size_t i = 0; i < page_.rows.size(); ++i) rows << new QTreeWidgetItem;
  list_->addTopLevelItems(rows);
}

void CListViewEx::FillRows() {
  korvane::CWaitCursor wait;
  const int count = list_->topLevelItemCount();
  for (int r = 0; r < count && r < static_cast<int>(page_.rows.size()); ++r) {
    QTreeWidgetItem* item = list_->topLevelItem(r);
    const std::vector<std::string>& cells = page_.rows[r];
    for (size_t c = 0; c < cells.size() && c < page_.columns.size(); ++c)
      item->setText(static_cast<int>(c), QString::fromStdString(cells[c]));
  }
  // The title comes last, once every cell is in.
  SetTitle(page_.title);
}

void CListViewEx::Refill() {
  korvane::CWaitCursor wait;
  list_->clear();
  page_ = content_->Page(state_);
  InsertBlankRows();
  FillRows();
}

void CListViewEx::OnLawChanged() {
  // The rows are remade with the new rules where the user left them: the
  // same row stays current and the list keeps its scroll position (a
  // holiday list may have gained or lost rows, so both are clamped).
  content_ = korvane::MakeListContent(info_->kind, CurrentLaw);
  ApplyNoteChoice();
  const int row = list_->currentIndex().isValid() ? list_->currentIndex().row() : -1;
  const int scroll = list_->verticalScrollBar()->value();
  Refill();
  const int rows = list_->topLevelItemCount();
  if (row >= 0 && rows > 0) list_->setCurrentItem(list_->topLevelItem(std::min(row, rows - 1)));
  // The new rows are laid out now, so the scroll range fits them.
  list_->doItemsLayout();
  list_->verticalScrollBar()->setValue(scroll);
  CView::OnLawChanged();
}

void CListViewEx::ApplyNoteChoice() {
  if (auto* notes = dynamic_cast<korvane::KoyomiListContent*>(content_.get()))
    notes->SetChoice(AppSettings::Instance().GetNoteChoice());
}

void CListViewEx::ChooseNotes() {
  auto* notes = dynamic_cast<korvane::KoyomiListContent*>(content_.get());
  if (!notes) return;
  CNoteChoiceDialog dialog(notes->Choice(), this);
  if (korvane::DoModal(dialog) != QDialog::Accepted || dialog.choice().Empty()) return;
  AppSettings::Instance().SetNoteChoice(dialog.choice());
  notes->SetChoice(dialog.choice());
  Refill();
}

void CListViewEx::SetState(const ListState& state) {
  state_ = content_->Clamp(state);
  Refill();
}

void CListViewEx::ChooseMonth() {
  const ViewKindInfo& kind = info();
  if (!kind.HasDialog()) return;
  const bool place = kind.dialogMode == korvane::kModeMonthAndPlace;
  const bool yearOnly =
      kind.dialogMode == korvane::kModeGregorianYear || kind.dialogMode == korvane::kModeLunarYear;
  // The rise/set tables take the shared place again before they ask.
  if (place) {
    state_.place = AreaCode;
    state_.site = korvane::UserSiteOf(AreaCode);
  }
  CYearMonthDialog dialog(kind.dialogMode, kind.rangeKind, state_.year, yearOnly ? 0 : state_.month,
                          place ? state_.place : -1, this);
  if (korvane::DoModal(dialog) != QDialog::Accepted) return;
  ListState chosen = state_;
  chosen.year = dialog.year();
  if (!yearOnly) chosen.month = dialog.month();
  if (place) {
    chosen.place = dialog.area();
    chosen.site = korvane::UserSiteOf(chosen.place);
  }
  ShowChosen(chosen);
}

void CListViewEx::ShowChosen(const ListState& chosen) {
  const ViewKindInfo& kind = info();
  const bool yearOnly =
      kind.dialogMode == korvane::kModeGregorianYear || kind.dialogMode == korvane::kModeLunarYear;
  // The next view opens where this one now stands: the chosen values go to
  // the shared display state as they were chosen.
  if (MonthOfYear* shared = kind.shared == SharedMonth::Gregorian   ? &DisplayMonth
                            : kind.shared == SharedMonth::Lunisolar ? &LunarDisplayMonth
                                                                    : nullptr) {
    shared->year = chosen.year;
    if (!yearOnly) shared->month = chosen.month;
  }
  if (kind.dialogMode == korvane::kModeMonthAndPlace) AreaCode = chosen.place;
  SetState(chosen);
}

void CListViewEx::Step(int delta) {
  const ViewKindInfo& kind = info();
  if (!kind.HasDialog()) return;
  const korvane::MonthStepper stepper(kind.dialogMode, korvane::YearRangeOf(kind.rangeKind));
  const korvane::ShownMonth from{state_.year, stepper.StepsYears() ? 1 : state_.month};
  korvane::ShownMonth to = from;
  if (delta == 0) {
    CalendarNames calendar;
    int year = 0, month = 0;
    const int day = calendar.Today(year, month);
    to = stepper.Today(year, month, day);
  } else {
    to = stepper.Step(from, delta);
  }
  if (stepper.StepsYears()) to.month = 1;
  if (to == from) return;
  ListState chosen = state_;
  chosen.year = to.year;
  if (!stepper.StepsYears()) chosen.month = to.month;
  const int row = list_->currentIndex().isValid() ? list_->currentIndex().row() : 0;
  const bool selected = !list_->selectedItems().isEmpty();
  ShowChosen(chosen);
  // The same row stays current, so paging through the months keeps the
  // place in a long list.
  MakeCurrent(row, selected);
}

void CListViewEx::MakeCurrent(int row, bool select) {
  const int rows = list_->topLevelItemCount();
  if (rows <= 0) return;
  const QModelIndex index = list_->model()->index(std::clamp(row, 0, rows - 1), 0);
  list_->selectionModel()->setCurrentIndex(
      index, select ? QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows
                    : QItemSelectionModel::NoUpdate);
}

namespace {

std::vector<korvane::PagePainting> Sheets(const korvane::ListPage& page, int rowsPerSheet,
                                          const QPalette& palette) {
  CFont font;
  font.CreateFontIndirect(FontMaker::DefaultLogFont());
  return korvane::SheetPaintings(korvane::ListSheets(page, rowsPerSheet), font,
                                 korvane::GridSystemColors::FromPalette(palette));
}

}  // namespace

void CListViewEx::ExportTable() {
  const std::vector<korvane::PagePainting> sheets =
      Sheets(page_, korvane::RowsPerA4Sheet(page_), palette());
  const std::vector<korvane::PagePainting> whole = Sheets(page_, 0, palette());
  const korvane::PagePainting& image = whole.front();
  korvane::ExportPagesWithDialog(this, sheets, image, QSize(image.width, image.height),
                                 devicePixelRatioF());
}

void CListViewEx::PrintTable() {
  korvane::PrintPagesWithDialog(this, Sheets(page_, korvane::RowsPerA4Sheet(page_), palette()));
}

void CListViewEx::ShowTip() {
  AppSettings::Instance().SetOnePoint(info().tipTopic);
  if (korvane::TipsRunner tips = korvane::Dialogs().tips) tips(this);
}
