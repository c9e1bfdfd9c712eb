#pragma once
// CKorvaneDoc: the document of every view kind.
//
// It holds nothing for any view kind except the annual schedule: opened
// under the name "年間予定表" it loads "<program directory>/TxtData/annual.txt"
// for the editor (UTF-8 inside, code page 932 on disk), and when its window
// closes it writes the text back in place of the file, atomically.  Text
// that code page 932 cannot hold is refused with the characters named, and
// a failed write with its reason; either way the window stays open with the
// text as typed and the file as it was.  Every other name opens without
// touching a file.
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

  bool IsAnnualSchedule() const { return annualSchedule_; }
  // The schedule as the editor holds it: UTF-8 with LF line ends.
  const std::string& ScheduleText() const { return schedule_.text; }
  void SetScheduleText(std::string text) { schedule_.text = std::move(text); }
  // "<program directory>/TxtData/annual.txt".
  static std::string SchedulePath();

 private:
  bool annualSchedule_ = false;
  korvane::AnnualScheduleText schedule_;
};
