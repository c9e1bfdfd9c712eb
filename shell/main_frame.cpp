#include "shell/main_frame.h"

#include <QAction>
#include <QFile>
#include <QMdiArea>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>
#include <ctime>

#include "engine/calendar_names.h"
#include "engine/format.h"
#include "engine/lunisolar_table.h"
#include "engine/message_hook.h"
#include "framework/doc_template.h"
#include "framework/mdi_child.h"
#include "framework/view.h"
#include "shell/app_settings.h"
#include "shell/command_ids.h"
#include "shell/display_state.h"
#include "shell/icons.h"
#include "shell/korvane_app.h"
#include "shell/opening_names.h"
#include "shell/shell_dialogs.h"
#include "shell/view_kinds.h"

using namespace korvane;

namespace {

struct CommandText {
  int id;
  const char* text;
  const char* prompt;  // "status line\ntool tip"
};

// Every command of the main menu and the tool bars.
constexpr CommandText kCommands[] = {
    {ID_FILE_CLOSE, "閉じる(&C)", "作業中のﾌｧｲﾙを閉じる\n閉じる"},
    {ID_APP_EXIT, "Korvaneの終了(&X)", "Korvaneを終了\n終了"},
    {ID_VIEW_TOOLBAR, "ﾂｰﾙ ﾊﾞｰ(&T)", "ﾂｰﾙ ﾊﾞｰの表示/非表示\nﾂｰﾙ ﾊﾞｰの表示/非表示"},
    {ID_VIEW_STATUS_BAR, "ｽﾃｰﾀｽ ﾊﾞｰ(&S)", "ｽﾃｰﾀｽ ﾊﾞｰの表示/非表示\nｽﾃｰﾀｽ ﾊﾞｰの表示/非表示"},
    {ID_QBAR, "Q暦ツール ﾊﾞｰ(&Q)", "Q暦ツール ﾊﾞｰの表示/非表示\nQ暦ツール ﾊﾞｰの表示/非表示"},
    {ID_GBAR, "G暦ツール ﾊﾞｰ(&G)", "G暦ツール ﾊﾞｰの表示/非表示\nG暦ツール ﾊﾞｰの表示/非表示"},
    {ID_SHOW_MAIN, "本体の表示(&B)", "ウィンドウの表示/非表示\nGウィンドウの表示/非表示"},
    {32782, "ｸﾞﾚｺﾞﾘｵ暦(&G)", "ｸﾞﾚｺﾞﾘｵ暦を表示します.\nｸﾞﾚｺﾞﾘｵ暦を表示."},
    {32791, "ｸﾞﾚｺﾞﾘｵ暦／24節気(&S)", "ｸﾞﾚｺﾞﾘｵ暦に24節気を表示します.\nｸﾞﾚｺﾞﾘｵ暦に24節気を表示."},
    {32792, "ｸﾞﾚｺﾞﾘｵ暦／祝日(&H)", "ｸﾞﾚｺﾞﾘｵ暦に祝日を表示します.\nｸﾞﾚｺﾞﾘｵ暦に祝日を表示."},
    {32794, "ｸﾞﾚｺﾞﾘｵ暦／六曜日(&W)", "ｸﾞﾚｺﾞﾘｵ暦に六曜日を表示します.\nｸﾞﾚｺﾞﾘｵに六曜日を表示."},
    {32795, "ｸﾞﾚｺﾞﾘｵ暦／干支(&E)", "ｸﾞﾚｺﾞﾘｵ暦に干支を表示します.\nｸﾞﾚｺﾞﾘｵ暦に干支を表示."},
    {32796, "ｸﾞﾚｺﾞﾘｵ暦／九星日(&Q)", "ｸﾞﾚｺﾞﾘｵ暦に九星を表示します.\nｸﾞﾚｺﾞﾘｵ暦に九星を表示."},
    {32793, "ｸﾞﾚｺﾞﾘｵ暦／旧暦(&O)", "ｸﾞﾚｺﾞﾘｵ暦に旧暦を表示します.\nｸﾞﾚｺﾞﾘｵ暦に旧暦を表示."},
    {32797, "ｸﾞﾚｺﾞﾘｵ暦／一般的暦(&N)", "一般的暦を表示します.\n一般的暦を表示."},
    {ID_MONTH_SETTING, "月の設定(&M)", "暦の表示年/月を指定します.\n暦の表示年/月の指定"},
    {32787, "旧暦暦(&O)", "旧暦暦を表示します.\n旧暦暦を表示."},
    {32803, "旧暦暦／24節気(&S)", "旧暦暦に24節気を表示します.\n旧暦暦に24節気を表示."},
    {32804, "旧暦暦／祝日(&H)", "旧暦暦に祝日を表示します.\n旧暦暦に祝日を表示."},
    {32798, "旧暦暦／六曜日(&W)", "旧暦暦に六曜日を表示します.\n旧暦暦に六曜日を表示."},
    {32799, "旧暦暦／干支(&E)", "旧暦暦に干支を表示します.\n旧暦暦に干支を表示."},
    {32800, "旧暦暦／九星日(&Q)", "旧暦暦に九星を表示します.\n旧暦暦に九星を表示."},
    {32802, "旧暦暦／ｸﾞﾚｺﾞﾘｵ暦(&G)", "旧暦暦にｸﾞﾚｺﾞﾘｵ暦を表示します.\n旧暦暦にｸﾞﾚｺﾞﾘｵ暦を表示."},
    {32801, "旧暦暦／一般的暦(&N)", "旧暦暦に一般的暦を表示します.\n旧暦暦に一般的暦を表示."},
    {32772, "西暦/旧暦対照表(&A)", "西暦と旧暦の対応表を表示します.\n西暦と旧暦の対応表"},
    {32774, "旧暦/西暦対照表(&Q)", "旧暦と西暦の対応表を表示します.\n旧暦と西暦の対応表"},
    {32778, "年号リスト(&N)", "年号を表示します.\n年号の表示"},
    {32775, "24節気リスト(&S)", "24節気を表示します.\n24節気の表示"},
    {32819, "雑節リスト(&C)", "雑節を表示します.\n雑節の表示"},
    {32784, "祝日リスト(&H)", "祝日(リスト)を表示します.\n祝日(リスト)の表示"},
    {32810, "年齢早見表(&G)", "年齢早見表を表示します.\n年齢早見表の表示"},
    {32818, "年間予定表(&Y)", "年間予定表を表示します.\n年間予定表の表示"},
    {32813, "月齢(&A)", "月齢を表示します.\n月齢の表示"},
    {32816, "月の位相(&P)", "月の位相を表示します.\n月の位相を表示"},
    {32814, "日の出/入時刻(&S)", "日の出/入時刻を表示します.\n日の出/入時刻の表示"},
    {32815, "月の出/入時刻(&T)", "月の出/入時刻を表示します.\n月の出/入時刻の表示"},
    {32822, "グリニジ視恒星時(&G)", "グリニジ視恒星時を表示します.\nグリニジ視恒星時"},
    {ID_AREA_SETTING, "月・日の出/入表示地域の設定(&R)", "月・日の出/入表示地域を指定します.\n表示地域の指定"},
    {32779, "陰陽暦月対照表(&Q)", "陰陽暦月対照表を表示します.\n陰陽暦月対照表の表示"},
    {32786, "干支リスト(&E)", "干支(リスト)を表示します.\n干支(リスト)の表示"},
    {32809, "九星の名前ﾘｽﾄ(&T)", "九星の名前(リスト)を表示します.\n九星の名前(リスト)の表示"},
    {32808, "六曜の名前ﾘｽﾄ(&R)", "六曜の名前(リスト)を表示します.\n六曜の名前(リスト)の表示"},
    {32807, "月の名前ﾘｽﾄ(&O)", "月の名前(リスト)を表示します.\n月の名前(リスト)の表示"},
    {32806, "週の名前ﾘｽﾄ(&W)", "週の名前(リスト)を表示します.\n週の名前(リスト)の表示"},
    {ID_BIRTHDAY_LIST, "誕生石・花の名前リスト(&B)", "誕生石・花の名前(リスト)を表示します.\n誕生石・花の名前(リスト)の表示"},
    {ID_SENMEI, "宣明暦(&K)", "宣明暦を表示します.\n宣明暦の表示"},
    {ID_WINDOW_CASCADE, "重ねて表示(&C)", "ｳｨﾝﾄﾞｳを重ねて表示\n重ねて表示"},
    {ID_WINDOW_TILE_HORZ, "上下に並べて表示(&T)", "ｳｨﾝﾄﾞｳを上下に並べて表示\n上下に並べて表示"},
    {ID_WINDOW_TILE_VERT, "左右に並べて表示(&V)", "ｳｨﾝﾄﾞｳを左右に並べて表示\n左右に並べて表示"},
    {ID_WINDOW_ARRANGE, "ｱｲｺﾝの整列(&A)", "ｳｨﾝﾄﾞｳの下部にｱｲｺﾝを整列\nｱｲｺﾝの整列"},
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
      {"ﾌｧｲﾙ(&F)", {ID_FILE_CLOSE, 0, ID_APP_EXIT}},
      {"表示(&V)", {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_QBAR, ID_GBAR, 0, ID_SHOW_MAIN}},
      {"ｸﾞﾚｺﾞﾘｵ暦館(&G)",
       {32782, 32791, 32792, 32794, 32795, 32796, 32793, 32797, 0, ID_MONTH_SETTING}},
      {"旧暦館(&Q)", {32787, 32803, 32804, 32798, 32799, 32800, 32802, 32801, 0, ID_MONTH_SETTING}},
      {"ｺﾝﾋﾞﾆ館(&C)",
       {32772, 32774, 32778, 32775, 32819, 32784, 32810, 32818, 0, ID_MONTH_SETTING}},
      {"天文館(&A)", {32813, 32816, 32814, 32815, 32822, 0, ID_MONTH_SETTING, ID_AREA_SETTING}},
      {"ﾃﾞｰﾀ館(&D)",
       {32779, 32786, 32809, 32808, 32807, 32806, ID_BIRTHDAY_LIST, ID_SENMEI, 0, ID_MONTH_SETTING}},
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
  for (const CommandText& command : kCommands) {
    QAction* action =
        DefineCommand(command.id, QString::fromUtf8(command.text), QString::fromUtf8(command.prompt));
    const QIcon icon = CommandIcon(command.id);
    if (!icon.isNull()) action->setIcon(icon);
  }
  Command(ID_HELP_INDEX)->setShortcut(QKeySequence(Qt::Key_F1));
  addAction(Command(ID_HELP_INDEX));
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
    if (info.command == 0) continue;
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

  OnCommand(ID_DAY_CALENDAR, [this] { Dialogs().dayCalendar(this); });
  EnableCommandWhen(ID_DAY_CALENDAR, [] { return Dialogs().dayCalendar != nullptr; });
  // The frame's ワンポイント, when no view takes it: the tips as they are,
  // without choosing a tip.
  OnCommand(ID_ONE_POINT, [this] { Dialogs().tips(this); });
  EnableCommandWhen(ID_ONE_POINT, [] { return Dialogs().tips != nullptr; });
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
  // 32773 and 32820 belong to the views; 32821 has no handler at all.
}

bool CMainFrame::Create() {
  // 2., 3. The bars and the status bar, all docked at the top.
  standardBar_ = CreateToolBar("StandardBar", QString(), QSize(16, 15),
                               {ID_MONTH_SETTING, ID_AREA_SETTING, 0, ID_DAY_CALENDAR, 0,
                                ID_ONE_POINT, ID_HELP_INDEX});
  CreateStatusBar(QString::fromUtf8(kIdleMessage), {"ｶﾅ", "CAP", "NUM", "SCRL"});
  gregorianBar_ = CreateToolBar("GregorianBar", QStringLiteral("ｸﾞﾚｺﾞﾘｵ暦"), QSize(32, 32),
                                {ID_GBAR_TITLE, 0, 32782, 32791, 32792, 32794, 32795, 32796, 32793,
                                 32797});
  gregorianBar_->hide();
  lunarBar_ = CreateToolBar("LunarBar", QStringLiteral("旧暦暦"), QSize(32, 32),
                            {ID_QBAR_TITLE, 0, 32787, 32803, 32804, 32798, 32799, 32800, 32802,
                             32801});
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
  ShowMessage(Format("%s\n%s", "次の起動から",
                     ShowMainWindow == 0 ? "本体を非表示にします." : "本体を表示します."));
  UpdateCommandUI();
}

void CMainFrame::OnHelpIndex() {
  SetMessageText(QString::fromUtf8(kHelpHint));
  const std::string path = AppSettings::Instance().ProgramDirectory() + "/TxtData/Topics.txt";
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    // The hint stays until the next status text replaces it.
    ShowMessage(Format("%s\n%s", path.c_str(), kFileUnreadable));
    return;
  }
  file.close();
  if (Dialogs().help) Dialogs().help(this, path, "目次", "目次");
  SetIdleMessage();
}
