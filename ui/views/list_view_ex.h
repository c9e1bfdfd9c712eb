#pragma once
// CListViewEx: the one report window of every list kind.
//
// The window keeps the list's state (year, month, place), asks the kind's
// content object for the page and shows it: columns added at creation with
// widths in average character widths of the list's font, rows inserted
// blank and then filled cell by cell at the first update, the document
// title set last.  Rows are selected whole and the highlight runs to the
// right edge of the window; a cell text too wide for its column ends in
// "..." (never half a character).  Mouse presses select nothing; a right
// press opens 月の設定 where the kind has it.  The keyboard moves through
// the rows as usual; Alt+PageDown / Alt+PageUp / Alt+Home (commands of the
// frame) step the list's month, or its year for a list of a whole year,
// and go to today's.
//
// Commands: 32773 月の設定 and, for the rise/set tables, 32820 (the
// year/month dialog in the kind's mode and range; on OK the list takes the
// new values, writes them to the shared display state and fills again);
// 32789 ワンポイント (the kind's tip topic into the settings, then the tips
// dialog) where the kind has a tip topic; エクスポート... and 印刷... (the
// table drawn on sheets, see list_sheet_page.h).
#include <QTreeWidget>
#include <memory>

#include "framework/view.h"
#include "content/lists/list_page.h"
#include "content/view_kind_table.h"

class QFontMetrics;

namespace korvane {

// The report control: whole-row selection to the right edge, "..." cells,
// presses swallowed.
class ReportList : public QTreeWidget {
  Q_OBJECT
 public:
  explicit ReportList(QWidget* parent = nullptr);

  // `text` as a column of `width` pixels shows it: unchanged when it fits
  // with `offset` pixels to spare, else cut at a whole character and ended
  // with "..." so that it fits (or only one character is left).
  static QString ShortenToFit(const QString& text, const QFontMetrics& metrics, int width,
                              int offset);

 signals:
  // A right button press inside the list.
  void rightPressed();

 protected:
  void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
  bool viewportEvent(QEvent* event) override;
};

}  // namespace korvane

class CListViewEx : public CView {
  Q_OBJECT
 public:
  // A list of `kind`, which must have a content object (MakeListContent).
  explicit CListViewEx(ViewKind kind);
  ~CListViewEx() override;

  const ViewKindInfo& info() const { return *info_; }
  const korvane::ListState& state() const { return state_; }
  // The page the list shows.
  const korvane::ListPage& page() const { return page_; }
  korvane::ReportList* list() const { return list_; }
  // The average character width, in pixels, that the column widths count.
  int CharWidth() const { return charWidth_; }

  // Shows another state (what the dialog's OK does, without the dialog and
  // without touching the shared display state): clamped, then filled again.
  void SetState(const korvane::ListState& state);

  bool OnCreate() override;
  void OnInitialUpdate() override;
  // The holiday and era rules were switched: the content is made again with
  // them and the rows filled again.
  void OnLawChanged() override;

  // 32773 / 32820 and a right press: the year/month dialog.
  void ChooseMonth();
  // 暦注の選択 (the notes list): the dialog, then the chosen notes listed
  // and remembered in the settings.
  void ChooseNotes();
  // A navigation step (+1, -1), or today's month or year (0): what an OK in
  // the dialog with that month does.
  void Step(int delta);

  // 32789: the kind's tip topic into the settings, then the tips.
  void ShowTip();
  // エクスポート...: the table as A4 sheets in a PDF, or whole in a PNG;
  // 印刷...: the sheets on the printer.
  void ExportTable();
  void PrintTable();

 private:
  // The values of an OK in the dialog, or of a step: into the shared
  // display state, then shown.
  void ShowChosen(const korvane::ListState& chosen);
  // Row `row` (clamped) becomes the current row, selected or not.
  void MakeCurrent(int row, bool select);
  void AddColumns();
  void FitWindowToTable();
  // Takes up to `excess` pixels off columns wider than their texts need;
  // returns how many were taken.
  int NarrowColumns(int excess);
  void InsertBlankRows();
  void FillRows();
  void Refill();
  // The notes list takes the remembered choice of notes.
  void ApplyNoteChoice();

  const ViewKindInfo* info_;
  std::unique_ptr<korvane::ListContent> content_;
  korvane::ListState state_;
  korvane::ListPage page_;
  korvane::ReportList* list_;
  int charWidth_ = 8;
};
