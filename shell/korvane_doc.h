#pragma once
// CKorvaneDoc: the document of every view kind.
//
// It holds nothing for any view kind except the annual schedule: opened
// under the name "年間予定表" it loads "<program directory>/TxtData/annual.txt"
// as raw text (Shift-JIS bytes, as stored), and saving writes the text back
// in place of the file.  Every other name opens without touching a file.
#include <string>

#include "framework/document.h"

class CKorvaneDoc : public CDocument {
  Q_OBJECT
 public:
  static constexpr const char* kAnnualScheduleName = "年間予定表";

  bool OnOpenDocument(const std::string& pathName) override;
  bool OnSaveDocument(const std::string& pathName) override;

  bool IsAnnualSchedule() const { return annualSchedule_; }
  // The schedule file's raw bytes.
  const std::string& ScheduleText() const { return scheduleText_; }
  void SetScheduleText(std::string text) { scheduleText_ = std::move(text); }
  // "<program directory>/TxtData/annual.txt".
  static std::string SchedulePath();

 private:
  bool annualSchedule_ = false;
  std::string scheduleText_;
};
