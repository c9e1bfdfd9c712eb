#pragma once
// CKorvaneDoc: the document of every view kind.
//
// It holds nothing for any view kind except the annual schedule: opened
// under the name "年間予定表" it loads "<program directory>/TxtData/annual.txt"
// for the editor (UTF-8 inside, code page 932 on disk) and remembers the
// file's bytes.  When its window closes it keeps the file as a careful
// editor does:
// - without an edit it writes nothing, so the file keeps whatever another
//   program wrote meanwhile, and its own line ends;
// - with edits it replaces the file atomically, but when the file changed
//   on disk since it was read the user chooses: overwrite it with the edits,
//   take the file's text (dropping the edits), or keep the edits in a new
//   file "annual-YYYYMMDD-HHMMSS.txt" beside it;
// - text that code page 932 cannot hold, or a file that cannot be written,
//   is reported (each character with its line and column) with the way out:
//   別名で保存, 変更を破棄して閉じる or キャンセル.
// When the program ends with nobody to ask (a signal, a logout) the edits
// are written, or, where that would overwrite someone else's change or
// cannot be done, kept in the new file beside it.  Every other name opens
// without touching a file.
#include <ctime>
#include <string>

#include "framework/document.h"
#include "textdata/annual_schedule.h"

class CKorvaneDoc : public CDocument {
  Q_OBJECT
 public:
  static constexpr const char* kAnnualScheduleName = "年間予定表";

  bool OnOpenDocument(const std::string& pathName) override;
  bool OnSaveDocument(const std::string& pathName) override;
  bool CanCloseFrame() override;

  // What the user is told when the text cannot be saved.
  static constexpr const char* kUnwritableCharacters = "次の文字はファイルに書き込めません:";
  static constexpr const char* kNotSaved = "年間予定表は保存されていません.";
  static constexpr const char* kChangedOnDisk =
      "年間予定表のファイルは, このウィンドウで開いた後に他のプログラムによって変更されています.";
  // The choices offered (the texts of the buttons).
  static constexpr const char* kKeepMine = "自分の変更で上書き";
  static constexpr const char* kTakeTheirs = "ファイルの内容を採る";
  static constexpr const char* kSaveBeside = "別のファイルに保存";
  static constexpr const char* kSaveAs = "別名で保存";
  static constexpr const char* kDiscard = "変更を破棄して閉じる";
  static constexpr const char* kCancel = "キャンセル";

  bool IsAnnualSchedule() const { return annualSchedule_; }
  // The schedule as the editor holds it: UTF-8 with LF line ends.
  const std::string& ScheduleText() const { return schedule_.text; }
  void SetScheduleText(std::string text) { schedule_.text = std::move(text); }
  // "<program directory>/TxtData/annual.txt".
  static std::string SchedulePath();
  // "<folder of path>/annual-YYYYMMDD-HHMMSS.txt" for the local time `when`.
  static std::string BesidePath(const std::string& path, std::time_t when);

 private:
  // The close of a schedule with edits; true when the window may close.
  bool SaveEdits(bool nobodyToAsk);
  // Writes the edits in place of the file; false with the reason.
  bool ReplaceSchedule(const std::string& bytes, std::string& reason);
  // Writes the edits to a new file beside the schedule (code page 932 when
  // it can hold them, else UTF-8); the file's path, empty on failure.
  std::string SaveBeside(std::string& reason);
  // The file dialog of 別名で保存; true when the edits were written.
  bool SaveAs();
  // The way out of a save that cannot be done: true when the window may
  // close (saved elsewhere, or the edits discarded).
  bool OfferWayOut(const std::string& text);

  bool annualSchedule_ = false;
  korvane::AnnualScheduleText schedule_;
};
