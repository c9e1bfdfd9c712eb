#include "shell/main_frame.h"

#include "ui/dialogs/places_dialog.h"

#include <QAction>
#include <QFile>
#include <QMdiArea>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>
#include <ctime>

#include "engine/calendar_names.h"
#include "engine/file_read.h"
#include "engine/format.h"
#include "engine/lunisolar_table.h"
#include "engine/message_hook.h"
#include "framework/doc_template.h"
#include "framework/mdi_child.h"
#include "framework/message_box.h"
#include "framework/view.h"
#include "state/app_settings.h"
#include "content/command_ids.h"
#include "state/display_state.h"
#include "render/icons.h"
#include "shell/korvane_app.h"
#include "shell/opening_names.h"
#include "ui/dialogs/places_dialog.h"
#include "ui/dialogs/shell_dialogs.h"
#include "shell/view_kinds.h"
#include "textdata/text_line_source.h"

using namespace korvane;

namespace {

struct CommandText {
  int id;
  const char* text;
  const char* prompt;  // "status line\ntool tip"
};

// The commands of the main menu and the tool bars that open no view (the
// view commands are the rows of the view kind table).
constexpr CommandText kCommands[] = {
    {ID_FILE_CLOSE, "閉じる(&C)", "作業中のﾌｧｲﾙを閉じる\n閉じる"},
    {ID_FILE_EXPORT, "エクスポート(&E)...",
     "表示中の暦をPDFまたはPNGのファイルに書き出します.\nエクスポート"},
    {ID_FILE_PRINT, "印刷(&P)...", "表示中の暦を印刷します.\n印刷"},
    {ID_APP_EXIT, "Korvaneの終了(&X)", "Korvaneを終了\n終了"},
    {ID_VIEW_TOOLBAR, "ﾂｰﾙ ﾊﾞｰ(&T)", "ﾂｰﾙ ﾊﾞｰの表示/非表示\nﾂｰﾙ ﾊﾞｰの表示/非表示"},
    {ID_VIEW_STATUS_BAR, "ｽﾃｰﾀｽ ﾊﾞｰ(&S)", "ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示\nｽﾃｰﾀｽ ﾊﾞｰの表示/非表示"},
    {ID_QBAR, "Q暦ツール ﾊﾞｰ(&Q)", "Q暦ツール ﾊﾞｰの表示/非表示\nQ暦ツール ﾊﾞｰの表示/非表示"},
    {ID_GBAR, "G暦ツール ﾊﾞｰ(&G)", "G暦ツール ﾊﾞｰの表示/非表示\nG暦ツール ﾊﾞｰの表示/非表示"},
    {ID_SHOW_MAIN, "本体の表示(&B)", "ウィンドウの表示/非表示\nGウィンドウの表示/非表示"},
    {ID_NOTE_CHOICE, "暦注の選択(&N)...", "暦注ﾘｽﾄに並べる暦注を選びます.\n暦注の選択"},
    {ID_CURRENT_LAW, "現行の祝日・元号(&L)",
     "祝日と元号を現行の法律で表示します. 外すと発行時の規則で表示します.\n現行の祝日・元号"},
    {ID_STEP_PREVIOUS, "前の月(&R)", "前の月を表示します. 年の一覧では前の年.\n前の月"},
    {ID_STEP_TODAY, "今日の月(&Y)", "今日の月を表示します. 年の一覧では今年.\n今日"},
    {ID_STEP_NEXT, "次の月(&N)", "次の月を表示します. 年の一覧では次の年.\n次の月"},
    {ID_MONTH_SETTING, "月の設定(&M)", "暦の表示年/月を指定します.\n暦の表示年/月の指定"},
    {ID_AREA_SETTING, "月・日の出/入表示地域の設定(&R)", "月・日の出/入表示地域を指定します.\n表示地域の指定"},
    {ID_PLACES, "地点の管理(&P)...",
     "日の出/入を計算する地点を自分で加え、直し、削除します.\n地点の管理"},
    {ID_WINDOW_CASCADE, "重ねて表示(&C)", "ｳｨﾝﾄﾞｳを重ねて表示\n重ねて表示"},
    {ID_WINDOW_TILE_HORZ, "上下に並べて表示(&T)", "ｳｨﾝﾄﾞｳを上下に並べて表示\n上下に並べて表示"},
    {ID_WINDOW_TILE_VERT, "左右に並べて表示(&V)", "ｳｨﾝﾄﾞｳを左右に並べて表示\n左右に並べて表示"},
    {ID_WINDOW_ARRANGE, "ｱｲｺﾝの整列(&A)", "ｳｨﾝﾄﾞｳの下部にｱｲｺﾝを整列\nｱｲｺﾝの整列"},
    {ID_WAREKI_CONVERTER, "和暦・西暦変換(&J)",
     "和暦・旧暦・西暦・ユリウス暦の日付を換算します.\n和暦・西暦変換"},
    {ID_HELP_INDEX, "目次(&I)", "ヘルプの目次を表示します。\nヘルプの目次"},
    {ID_APP_ABOUT, "ﾊﾞｰｼﾞｮﾝ情報(Korvane)(&A)...", "ﾌﾟﾛｸﾞﾗﾑの情報、ﾊﾞｰｼﾞｮﾝそして著作権を表示\nﾊﾞｰｼﾞｮﾝ情報"},
    {ID_ONE_POINT, "ワンポイント(&O)", "ﾜﾝﾎﾟｲﾝﾄを表示\nﾜﾝﾎﾟｲﾝﾄ"},
    {ID_DAY_CALENDAR, "日めくりカレンダー(&D)", "日めくりｶﾚﾝﾀﾞｰを表示します.\n日めくりｶﾚﾝﾀﾞｰの表示"},
    {ID_GBAR_TITLE, "ｸﾞﾚｺﾞﾘｵ暦", "ｸﾞﾚｺﾞﾘｵ暦を表示します.\nｸﾞﾚｺﾞﾘｵ暦を表示."},
    {ID_QBAR_TITLE, "旧暦暦", "旧暦暦を表示します.\n旧暦暦を表示."},
};

struct MenuDef {
  const char* title;
  std::vector<int> items;  // 0 = separator
};

const std::vector<MenuDef>& MainMenu() {
  static const std::vector<MenuDef> menu = {
      {"ﾌｧｲﾙ(&F)", {ID_FILE_CLOSE, 0, ID_FILE_EXPORT, ID_FILE_PRINT, 0, ID_APP_EXIT}},
      {"表示(&V)",
       {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_QBAR, ID_GBAR, 0, ID_SHOW_MAIN, ID_CURRENT_LAW, 0,
        ID_STEP_PREVIOUS, ID_STEP_TODAY, ID_STEP_NEXT, 0, ID_PLACES}},
      {"ｸﾞﾚｺﾞﾘｵ暦館(&G)",
       {ID_G_DAY, ID_G_SEASON, ID_G_HOLIDAY, ID_G_WEEK6, ID_G_ETO, ID_G_STAR9, ID_G_QDAY,
        ID_G_NORMAL, ID_G_KOYOMI, 0, ID_MONTH_SETTING}},
      {"旧暦館(&Q)",
       {ID_Q_DAY, ID_Q_SEASON, ID_Q_HOLIDAY, ID_Q_WEEK6, ID_Q_ETO, ID_Q_STAR9, ID_Q_GDAY,
        ID_Q_NORMAL, 0, ID_MONTH_SETTING}},
      {"ｺﾝﾋﾞﾆ館(&C)",
       {ID_NO_LIST, ID_ON_LIST, ID_NENGO_LIST, ID_N24_LIST, ID_MISC_SEASON_LIST, ID_HOLIDAY_LIST,
        ID_KOYOMI_LIST, ID_AGE_LIST, ID_ANNUAL, 0, ID_MONTH_SETTING, ID_NOTE_CHOICE}},
      {"天文館(&A)",
       {ID_MOON_AGE_LIST, ID_MOON_PHASE_LIST, ID_SUN_TIME_LIST, ID_MOON_TIME_LIST,
        ID_GREENWICH_LIST, 0, ID_MONTH_SETTING, ID_AREA_SETTING}},
      {"ﾃﾞｰﾀ館(&D)",
       {ID_OM_LIST, ID_ETO_LIST, ID_STAR9_LIST, ID_WEEK6_LIST, ID_MONTH_LIST, ID_WEEK_LIST,
        ID_BIRTHDAY_LIST, ID_SENMEI, ID_WAREKI_CONVERTER, 0, ID_MONTH_SETTING}},
      {"ｳｨﾝﾄﾞｳ(&W)", {ID_WINDOW_CASCADE, ID_WINDOW_TILE_HORZ, ID_WINDOW_TILE_VERT, ID_WINDOW_ARRANGE}},
      {"ﾍﾙﾌﾟ(&H)", {ID_HELP_INDEX, 0, ID_APP_ABOUT, 0, ID_ONE_POINT, ID_DAY_CALENDAR}},
  };
  return menu;
}

// The menus of these resources choose a year only.
bool ChoosesYearOnly(int resource) {
  return resource == 137 || resource == 145 || resource == 159 || resource == 160;
}

// The annual schedule's menu has no birthday list.
constexpr int kAnnualResource = 158;

// "MM/DD/YY" and "HH:MM:SS", the C library's date and time strings.
std::string DateString(const std::tm& t) {
  return Format("%02d/%02d/%02d", t.tm_mon + 1, t.tm_mday, t.tm_year % 100);
}
std::string TimeString(const std::tm& t) {
  return Format("%02d:%02d:%02d", t.tm_hour, t.tm_min, t.tm_sec);
}

}  // namespace

CMainFrame::CMainFrame(CKorvaneApp* app) : app_(app) {
  setObjectName("CMainFrame");
  SetAppTitle(QString::fromUtf8(kAppTitle));
  setWindowIcon(ResourceIcon(128));
  DefineCommands();
  BuildMenus();
  BindHandlers();
}

void CMainFrame::DefineCommands() {
  auto define = [this](int id, const char* text, const char* prompt) {
    QAction* action = DefineCommand(id, QString::fromUtf8(text), QString::fromUtf8(prompt));
    const QIcon icon = CommandIcon(id);
    if (!icon.isNull()) action->setIcon(icon);
  };
  for (const CommandText& command : kCommands) define(command.id, command.text, command.prompt);
  for (const ViewKindInfo& kind : ViewKinds()) define(kind.command, kind.menuText, kind.prompt);
  Command(ID_HELP_INDEX)->setShortcut(QKeySequence(Qt::Key_F1));
  addAction(Command(ID_HELP_INDEX));
  Command(ID_FILE_PRINT)->setShortcut(QKeySequence::Print);
  // The keys work wherever the focus is in the frame, in lists as in grids.
  const std::pair<int, QKeySequence> keys[] = {
      {ID_APP_EXIT, QKeySequence(Qt::CTRL | Qt::Key_Q)},
      {ID_STEP_PREVIOUS, QKeySequence(Qt::ALT | Qt::Key_PageUp)},
      {ID_STEP_TODAY, QKeySequence(Qt::ALT | Qt::Key_Home)},
      {ID_STEP_NEXT, QKeySequence(Qt::ALT | Qt::Key_PageDown)},
  };
  for (const auto& [id, key] : keys) {
    Command(id)->setShortcut(key);
    addAction(Command(id));
  }
}

void CMainFrame::BuildMenus() {
  for (const MenuDef& def : MainMenu()) {
    QMenu* menu = AddMenu(QString::fromUtf8(def.title));
    AddMenuItems(menu, def.items);
    if (def.items.front() == ID_WINDOW_CASCADE) AddWindowList(menu);
  }
}

void CMainFrame::BindHandlers() {
  // The view commands: each opens a new child window of its kind, while the
  // kind's view exists.
  for (const ViewKindInfo& info : ViewKinds()) {
    const int command = info.command;
    const ViewKind kind = info.kind;
    OnCommand(command, [this, command] { OpenView(command); });
    EnableCommandWhen(command, [this, kind] { return app_ && app_->CanOpen(kind); });
  }
  // The first buttons of the calendar bars do nothing but stay enabled.
  OnCommand(ID_GBAR_TITLE, [] {});
  OnCommand(ID_QBAR_TITLE, [] {});

  OnCommand(ID_FILE_CLOSE, [this] {
    if (CMDIChildWnd* child = MDIGetActive()) child->close();
  });
  EnableCommandWhen(ID_FILE_CLOSE, [this] { return MDIGetActive() != nullptr; });
  OnCommand(ID_APP_EXIT, [this] {
    if (app_) app_->OnAppExit();
  });
  OnCommand(ID_APP_ABOUT, [this] {
    if (app_) app_->OnAppAbout();
  });

  OnCommand(ID_VIEW_TOOLBAR, [this] { ToggleBar(standardBar_); });
  CheckCommandWhen(ID_VIEW_TOOLBAR, [this] { return standardBar_ && !standardBar_->isHidden(); });
  OnCommand(ID_VIEW_STATUS_BAR, [this] {
    statusBar()->setVisible(statusBar()->isHidden());
    UpdateCommandUI();
  });
  CheckCommandWhen(ID_VIEW_STATUS_BAR, [this] { return !statusBar()->isHidden(); });
  OnCommand(ID_GBAR, [this] { ToggleBar(gregorianBar_); });
  CheckCommandWhen(ID_GBAR, [this] { return gregorianBar_ && !gregorianBar_->isHidden(); });
  OnCommand(ID_QBAR, [this] { ToggleBar(lunarBar_); });
  CheckCommandWhen(ID_QBAR, [this] { return lunarBar_ && !lunarBar_->isHidden(); });
  OnCommand(ID_SHOW_MAIN, [this] { OnShowMainWindow(); });
  CheckCommandWhen(ID_SHOW_MAIN, [] { return ShowMainWindow == 1; });
  OnCommand(ID_CURRENT_LAW, [this] { OnCurrentLaw(); });
  CheckCommandWhen(ID_CURRENT_LAW, [] { return CurrentLaw == CalendarLaw::Current; });

  OnCommand(ID_DAY_CALENDAR, [this] { Dialogs().dayCalendar(this); });
  OnCommand(ID_PLACES, [this] {
    CPlacesDialog dialog(this);
    DoModal(dialog);
  });
  EnableCommandWhen(ID_DAY_CALENDAR, [] { return Dialogs().dayCalendar != nullptr; });
  // The frame's ワンポイント, when no view takes it: the tips as they are,
  // without choosing a tip.
  OnCommand(ID_ONE_POINT, [this] { Dialogs().tips(this); });
  EnableCommandWhen(ID_ONE_POINT, [] { return Dialogs().tips != nullptr; });
  OnCommand(ID_WAREKI_CONVERTER, [this] { Dialogs().converter(this); });
  EnableCommandWhen(ID_WAREKI_CONVERTER, [] { return Dialogs().converter != nullptr; });
  OnCommand(ID_HELP_INDEX, [this] { OnHelpIndex(); });

  auto anyChild = [this] { return !Children().empty(); };
  OnCommand(ID_WINDOW_CASCADE, [this] { MDICascade(); });
  EnableCommandWhen(ID_WINDOW_CASCADE, anyChild);
  OnCommand(ID_WINDOW_TILE_HORZ, [this] { MDITile(true); });
  EnableCommandWhen(ID_WINDOW_TILE_HORZ, anyChild);
  OnCommand(ID_WINDOW_TILE_VERT, [this] { MDITile(false); });
  EnableCommandWhen(ID_WINDOW_TILE_VERT, anyChild);
  OnCommand(ID_WINDOW_ARRANGE, [this] { MDIIconArrange(); });
  EnableCommandWhen(ID_WINDOW_ARRANGE, anyChild);
  // ID_MONTH_SETTING and ID_AREA_SETTING belong to the views, and so do
  // ID_FILE_EXPORT and ID_FILE_PRINT: only a view with a page of its own
  // (a month grid) takes them.
}

bool CMainFrame::Create() {
  // 2., 3. The bars and the status bar, all docked at the top.
  standardBar_ = CreateToolBar("StandardBar", QString(), QSize(16, 15),
                               {ID_MONTH_SETTING, ID_AREA_SETTING, 0, ID_STEP_PREVIOUS, ID_STEP_TODAY,
                                ID_STEP_NEXT, 0, ID_DAY_CALENDAR, 0,
                                ID_ONE_POINT, ID_HELP_INDEX});
  CreateStatusBar(QString::fromUtf8(kIdleMessage), {"ｶﾅ", "CAP", "NUM", "SCRL"});
  gregorianBar_ = CreateToolBar("GregorianBar", QStringLiteral("ｸﾞﾚｺﾞﾘｵ暦"), QSize(32, 32),
                                {ID_GBAR_TITLE, 0, ID_G_DAY, ID_G_SEASON, ID_G_HOLIDAY, ID_G_WEEK6,
                                 ID_G_ETO, ID_G_STAR9, ID_G_QDAY, ID_G_NORMAL});
  gregorianBar_->hide();
  lunarBar_ = CreateToolBar("LunarBar", QStringLiteral("旧暦暦"), QSize(32, 32),
                            {ID_QBAR_TITLE, 0, ID_Q_DAY, ID_Q_SEASON, ID_Q_HOLIDAY, ID_Q_WEEK6,
                             ID_Q_ETO, ID_Q_STAR9, ID_Q_GDAY, ID_Q_NORMAL});
  lunarBar_->hide();
  if (!standardBar_ || !gregorianBar_ || !lunarBar_ || !statusBar()) return false;

  // 4. Today's month and the lunisolar month holding its first day.  A
  // clock outside the tables' years is brought inside them first.
  CalendarNames calendar;
  int year = 0, month = 0;
  calendar.Today(year, month);
  if (year < kFirstDisplayYear + 1) year = kFirstDisplayYear + 1, month = 1;
  if (year > kLastDisplayYear) year = kLastDisplayYear, month = 12;
  DisplayMonth = {year, month};
  const LunisolarTable lunisolar;
  const LunisolarDate lunar = lunisolar.FromGregorian(year, month, 1);
  LunarDisplayMonth = {lunar.year, lunar.month};

  // 5. Placement; 6. the stored month, lunisolar month and place.
  AppSettings& settings = AppSettings::Instance();
  settings.RestoreWindowPos(*this);
  settings.GetDisplayMonth();
  settings.GetLunarDisplayMonth();
  AreaCode = settings.GetAreaCode();
  UpdateCommandUI();
  return true;
}

bool CMainFrame::OnClose() {
  AppSettings& settings = AppSettings::Instance();
  settings.SaveWindowPos(*this);
  settings.SetDisplayMonth();
  settings.SetLunarDisplayMonth();
  settings.SetAreaCode(AreaCode);
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  settings.SetLastDate(DateString(local));
  settings.SetLastTime(TimeString(local));
  return true;
}

void CMainFrame::OpenView(int command) {
  const ViewKindInfo* info = ViewKindOfCommand(command);
  if (!info || !app_ || !app_->CanOpen(info->kind)) return;
  titleBuffer_ = OpeningName(command);
  app_->Template(info->kind)->OpenDocumentFile(titleBuffer_, true, this);
  // The keys that page through the months are named once per start, the
  // first time a view that takes them opens.
  const CView* view = GetActiveView();
  if (!navigationHintShown_ && view && view->HandlesCommand(ID_STEP_NEXT)) {
    navigationHintShown_ = true;
    SetMessageText(QString::fromUtf8(kNavigationHint));
  }
}

void CMainFrame::UpdateCommandUI() {
  // Each view kind shows its own menu: a few choose a year only, and the
  // annual schedule's has no birthday list.
  const CView* view = GetActiveView();
  const int resource = view ? view->ResourceId() : 128;
  if (QAction* month = Command(ID_MONTH_SETTING)) {
    const QString text = ChoosesYearOnly(resource) ? QStringLiteral("表示年の設定(&M)")
                                                   : QStringLiteral("月の設定(&M)");
    if (month->text() != text) month->setText(text);
  }
  if (QAction* birthday = Command(ID_BIRTHDAY_LIST)) birthday->setVisible(resource != kAnnualResource);
  CMDIFrameWnd::UpdateCommandUI();
}

QMenu* CMainFrame::createPopupMenu() {
  // The same commands, texts and check marks as the 表示 menu (the window
  // layer's default would list the bars by window text, and the standard
  // bar has none).
  UpdateCommandUI();
  auto* menu = new QMenu(this);
  AddMenuItems(menu, {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_QBAR, ID_GBAR});
  return menu;
}

void CMainFrame::ToggleBar(QToolBar* bar) {
  if (!bar) return;
  ShowControlBar(bar, bar->isHidden());
}

void CMainFrame::OnShowMainWindow() {
  ShowMainWindow = ShowMainWindow ? 0 : 1;
  AppSettings::Instance().SetOneDayWindow(ShowMainWindow);
  ShowNotice(Format("%s\n%s", "次の起動から",
                     ShowMainWindow == 0 ? "本体を非表示にします." : "本体を表示します."));
  UpdateCommandUI();
}

void CMainFrame::OnCurrentLaw() {
  const bool current = CurrentLaw != CalendarLaw::Current;
  CurrentLaw = current ? CalendarLaw::Current : CalendarLaw::AsPublished;
  AppSettings::Instance().SetCurrentLaw(current ? 1 : 0);
  // Every open view takes the new rules now, not at its next month.
  for (CMDIChildWnd* child : Children()) {
    if (CView* view = child->GetActiveView()) view->OnLawChanged();
  }
  UpdateCommandUI();
}

void CMainFrame::OnHelpIndex() {
  // The hint stays while the viewer is open, however it was opened (F1,
  // the menu, the tool bar's button that the pointer leaves as the viewer
  // comes up).
  HoldMessage(QString::fromUtf8(kHelpHint));
  const std::string path = AppSettings::Instance().ProgramDirectory() + "/TxtData/Topics.txt";
  // Only a regular file: a FIFO in its place must not hang the program.
  std::string bytes;
  if (ReadRegularFile(path, kTextDataFileLimit, bytes) != ReadStatus::Ok) {
    // The hint stays until the next status text replaces it.
    ReleaseMessage();
    ReportUnreadableFile(path);
    return;
  }
  if (Dialogs().help) Dialogs().help(this, path, "目次", "目次");
  ReleaseMessage();
  SetIdleMessage();
}
