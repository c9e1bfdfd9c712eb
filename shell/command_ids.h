#pragma once
// Command ids of the menus and tool bars, and the program's fixed texts.
namespace korvane {

// The framework's standard commands.
constexpr int ID_FILE_CLOSE = 57602;
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
constexpr int ID_HELP_INDEX = 32781;      // 目次, F1
constexpr int ID_ONE_POINT = 32789;       // ワンポイント
constexpr int ID_DAY_CALENDAR = 32805;    // 日めくりカレンダー
constexpr int ID_QBAR = 32811;            // Q暦ツール ﾊﾞｰ
constexpr int ID_GBAR = 32812;            // G暦ツール ﾊﾞｰ
constexpr int ID_SHOW_MAIN = 32817;       // 本体の表示
constexpr int ID_SENMEI = 32821;          // 宣明暦: no handler, always disabled
constexpr int ID_BIRTHDAY_LIST = 32852;   // 誕生石・花の名前リスト
constexpr int ID_GBAR_TITLE = 43001;      // first button of the G暦 bar
constexpr int ID_QBAR_TITLE = 43002;      // first button of the Q暦 bar

// Texts.
inline constexpr const char* kAppTitle = "コルヴァン V4.04";            // strings 128, 57344
inline constexpr const char* kIdleMessage = "ﾍﾙﾌﾟを表示するには [F1] を押してください。";  // 57345
inline constexpr const char* kHelpHint = "靑色の文字をマウスで指定して下さい。";
inline constexpr const char* kFileUnreadable = "ファイル を読み出し出来ません.";
inline constexpr const char* kDocString = "コルヴァン";

}  // namespace korvane
