#include "shell/korvane_doc.h"

#include "engine/atomic_file.h"
#include "engine/file_read.h"
#include "engine/format.h"
#include "engine/message_hook.h"
#include "shell/app_settings.h"
#include "views/command_ids.h"

std::string CKorvaneDoc::SchedulePath() {
  std::string path = AppSettings::Instance().ProgramDirectory();
  path += "/TxtData/annual.txt";
  return path;
}

bool CKorvaneDoc::OnOpenDocument(const std::string& pathName) {
  if (pathName != kAnnualScheduleName) return true;
  annualSchedule_ = true;
  const std::string path = SchedulePath();
  std::string bytes;
  if (korvane::ReadRegularFile(path, korvane::kTextDataFileLimit, bytes) != korvane::ReadStatus::Ok) {
    korvane::ShowMessage(korvane::Format("%s\n%s", path.c_str(), korvane::kFileUnreadable));
    return false;
  }
  scheduleText_ = std::move(bytes);
  return true;
}

bool CKorvaneDoc::OnSaveDocument(const std::string& pathName) {
  if (!annualSchedule_ || pathName != kAnnualScheduleName) return true;
  const std::string path = SchedulePath();
  std::string reason;
  if (korvane::ReplaceFileContents(path, scheduleText_, &reason)) return true;
  // The text stays in the open view; the user can make the file writable
  // and save again.
  korvane::ShowMessage(korvane::Format("%s\n%s", path.c_str(), reason.c_str()));
  return false;
}
