#pragma once
// Command ids of the menus and tool bars, and the program's fixed texts.
// Plain constants, no Qt: the view kind table, the shell and korvane-print
// name every command by these.
namespace korvane {

// The framework's standard commands.
constexpr int ID_FILE_CLOSE = 57602;
constexpr int ID_FILE_PRINT = 57607;      // 印刷..., Ctrl+P (the active view's page)
constexpr int ID_APP_EXIT = 57665;
constexpr int ID_APP_ABOUT = 57664;
constexpr int ID_VIEW_TOOLBAR = 59392;
constexpr int ID_VIEW_STATUS_BAR = 59393;
constexpr int ID_WINDOW_ARRANGE = 57649;
constexpr int ID_WINDOW_CASCADE = 57650;
constexpr int ID_WINDOW_TILE_HORZ = 57651;
constexpr int ID_WINDOW_TILE_VERT = 57652;

// The program's own commands.
constexpr int ID_MONTH_SETTING = 32773;   // 月の設定 (the active view)
constexpr int ID_AREA_SETTING = 32820;    // 表示地域の設定 (the active rise/set view)
constexpr int ID_NOTE_CHOICE = 32866;     // 暦注の選択 (the active notes list)
constexpr int ID_HELP_INDEX = 32781;      // 目次, F1
constexpr int ID_ONE_POINT = 32789;       // ワンポイント
constexpr int ID_DAY_CALENDAR = 32805;    // 日めくりカレンダー
constexpr int ID_QBAR = 32811;            // Q暦ツール ﾊﾞｰ
constexpr int ID_GBAR = 32812;            // G暦ツール ﾊﾞｰ
constexpr int ID_SHOW_MAIN = 32817;       // 本体の表示
constexpr int ID_CURRENT_LAW = 32853;     // 現行の祝日・元号
constexpr int ID_PLACES = 32867;          // 地点の管理... (the user's own places)
constexpr int ID_FILE_EXPORT = 32854;     // エクスポート... (the active view's page as PDF or PNG)
constexpr int ID_WAREKI_CONVERTER = 32863;  // 和暦・西暦変換 (ﾃﾞｰﾀ館)

// The commands that open a view, one per view kind (named after the kind).
constexpr int ID_G_DAY = 32782;             // CGDayView
constexpr int ID_G_SEASON = 32791;          // CGSeasonView
constexpr int ID_G_HOLIDAY = 32792;         // CGHolidayView
constexpr int ID_G_WEEK6 = 32794;           // CGWeek6View
constexpr int ID_G_ETO = 32795;             // CGEtoView
constexpr int ID_G_QDAY = 32793;            // CGQDayView
constexpr int ID_G_STAR9 = 32796;           // CGStar9View
constexpr int ID_G_NORMAL = 32797;          // CGNormalView
constexpr int ID_Q_DAY = 32787;             // CQDayView
constexpr int ID_Q_WEEK6 = 32798;           // CQWeek6View
constexpr int ID_Q_ETO = 32799;             // CQEtoView
constexpr int ID_Q_STAR9 = 32800;           // CQStar9View
constexpr int ID_Q_GDAY = 32802;            // CQGDayView
constexpr int ID_Q_SEASON = 32803;          // CQSeasonView
constexpr int ID_Q_HOLIDAY = 32804;         // CQHolidayView
constexpr int ID_Q_NORMAL = 32801;          // CQNormalView
constexpr int ID_NO_LIST = 32772;           // CNOListView
constexpr int ID_ON_LIST = 32774;           // CONListView
constexpr int ID_N24_LIST = 32775;          // CN24ListView
constexpr int ID_HOLIDAY_LIST = 32784;      // CHolidayListView
constexpr int ID_ETO_LIST = 32786;          // CEtoListView
constexpr int ID_OM_LIST = 32779;           // COMListView
constexpr int ID_NENGO_LIST = 32778;        // CNengoListView
constexpr int ID_SENMEI = 32821;            // CSenmeiListView (宣明暦)
constexpr int ID_WEEK_LIST = 32806;         // CWeekListView
constexpr int ID_WEEK6_LIST = 32808;        // CWeek6ListView
constexpr int ID_STAR9_LIST = 32809;        // CStar9ListView
constexpr int ID_MONTH_LIST = 32807;        // CMonthListView
constexpr int ID_AGE_LIST = 32810;          // CAgeListView
constexpr int ID_MOON_AGE_LIST = 32813;     // CMoonAgeListView
constexpr int ID_SUN_TIME_LIST = 32814;     // CSunTimeListView
constexpr int ID_MOON_TIME_LIST = 32815;    // CMoonTimeListView
constexpr int ID_MOON_PHASE_LIST = 32816;   // CMoonPhaseListView
constexpr int ID_ANNUAL = 32818;            // CAnnualView
constexpr int ID_MISC_SEASON_LIST = 32819;  // CMiscSeasonList
constexpr int ID_GREENWICH_LIST = 32822;    // CGreenwichListView
constexpr int ID_BIRTHDAY_LIST = 32852;     // CBirthdayListView
constexpr int ID_G_KOYOMI = 32864;          // CGKoyomiView (暦注ｶﾚﾝﾀﾞｰ)
constexpr int ID_KOYOMI_LIST = 32865;       // CKoyomiListView (暦注ﾘｽﾄ)

// The navigation keys' commands (Alt+PageUp, Alt+Home, Alt+PageDown and
// the bar's ◀ 今日 ▶): the active view's previous month (or year, for a
// view of a whole year), today's, the next.
constexpr int ID_STEP_PREVIOUS = 32860;
constexpr int ID_STEP_TODAY = 32861;
constexpr int ID_STEP_NEXT = 32862;

// The first buttons of the calendar bars: they open nothing.
constexpr int ID_GBAR_TITLE = 43001;      // first button of the G暦 bar
constexpr int ID_QBAR_TITLE = 43002;      // first button of the Q暦 bar

// Every command above, once: two commands with one number would share one
// menu action, and the second would never run.
inline constexpr int kCommandIds[] = {
    ID_FILE_CLOSE, ID_FILE_PRINT, ID_APP_EXIT, ID_APP_ABOUT, ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR,
    ID_WINDOW_ARRANGE, ID_WINDOW_CASCADE, ID_WINDOW_TILE_HORZ, ID_WINDOW_TILE_VERT,
    ID_MONTH_SETTING, ID_AREA_SETTING, ID_NOTE_CHOICE, ID_HELP_INDEX, ID_ONE_POINT, ID_DAY_CALENDAR,
    ID_QBAR, ID_GBAR, ID_SHOW_MAIN, ID_CURRENT_LAW, ID_PLACES, ID_FILE_EXPORT, ID_WAREKI_CONVERTER,
    ID_G_DAY, ID_G_SEASON, ID_G_HOLIDAY, ID_G_WEEK6, ID_G_ETO, ID_G_QDAY, ID_G_STAR9, ID_G_NORMAL,
    ID_Q_DAY, ID_Q_WEEK6, ID_Q_ETO, ID_Q_STAR9, ID_Q_GDAY, ID_Q_SEASON, ID_Q_HOLIDAY, ID_Q_NORMAL,
    ID_NO_LIST, ID_ON_LIST, ID_N24_LIST, ID_HOLIDAY_LIST, ID_ETO_LIST, ID_OM_LIST, ID_NENGO_LIST,
    ID_SENMEI, ID_WEEK_LIST, ID_WEEK6_LIST, ID_STAR9_LIST, ID_MONTH_LIST, ID_AGE_LIST,
    ID_MOON_AGE_LIST, ID_SUN_TIME_LIST, ID_MOON_TIME_LIST, ID_MOON_PHASE_LIST, ID_ANNUAL,
    ID_MISC_SEASON_LIST, ID_GREENWICH_LIST, ID_BIRTHDAY_LIST, ID_G_KOYOMI, ID_KOYOMI_LIST,
    ID_STEP_PREVIOUS, ID_STEP_TODAY, ID_STEP_NEXT, ID_GBAR_TITLE, ID_QBAR_TITLE,
};
constexpr bool CommandIdsDistinct() {
  for (int i = 0; i < static_cast<int>(sizeof kCommandIds / sizeof kCommandIds[0]); ++i)
    for (int j = 0; j < i; ++j)
      if (kCommandIds[i] == kCommandIds[j]) return false;
  return true;
}
static_assert(CommandIdsDistinct(), "two commands share one id");

// Texts.
inline constexpr const char* kAppTitle = "コルヴァン V4.04";            // strings 128, 57344
inline constexpr const char* kIdleMessage = "ﾍﾙﾌﾟを表示するには [F1] を押してください。";  // 57345
inline constexpr const char* kHelpHint = "靑色の文字をマウスで指定して下さい。";
inline constexpr const char* kNavigationHint =
    "PageUp/PageDown: 前月/翌月  Ctrl+PageUp/PageDown: 前年/翌年  Home: 今月  "
    "Alt+PageUp/PageDown/Home: 一覧も";
inline constexpr const char* kFileUnreadable = "ファイル を読み出し出来ません.";
inline constexpr const char* kDocString = "コルヴァン";

}  // namespace korvane
