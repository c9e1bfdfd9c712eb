#include "ui/views/korvane_doc.h"

#include "engine/atomic_file.h"
#include "engine/format.h"
#include "engine/message_hook.h"
#include "state/app_settings.h"
#include "content/command_ids.h"

std::string CKorvaneDoc::SchedulePath() {
  std::string path = AppSettings::Instance().ProgramDirectory();
  path += "/TxtData/annual.txt";
  return path;
}

bool CKorvaneDoc::OnOpenDocument(const std::string& pathName) {
  if (pathName != kAnnualScheduleName) return true;
  annualSchedule_ = true;
  const std::string path = SchedulePath();
  if (!korvane::LoadAnnualSchedule(path, schedule_)) {
    korvane::ShowMessage(korvane::Format("%s\n%s", path.c_str(), korvane::kFileUnreadable));
    return false;
  }
  return true;
}

bool CKorvaneDoc::OnSaveDocument(const std::string& pathName) {
  if (!annualSchedule_ || pathName != kAnnualScheduleName) return true;
  const std::string path = SchedulePath();
  // Text that code page 932 cannot hold is never changed behind the
  // user's back: the file keeps its old text, the window its new one.
  std::string bytes;
  std::vector<std::string> unwritable;
  if (!korvane::EncodeAnnualSchedule(schedule_, bytes, &unwritable)) {
    std::string characters;
    for (const std::string& c : unwritable) {
      if (!characters.empty()) characters += ' ';
      characters += c;
    }
    korvane::ShowMessage(korvane::Format("%s\n%s\n%s\n%s", path.c_str(), kUnwritableCharacters,
                                         characters.c_str(), kNotSaved));
    return false;
  }
  std::string reason;
  if (korvane::ReplaceFileContents(path, bytes, &reason)) return true;
  // The text stays in the open view; the user can make the file writable
  // and save again.
  korvane::ShowMessage(korvane::Format("%s\n%s\n%s", path.c_str(), reason.c_str(), kNotSaved));
  return false;
}

bool CKorvaneDoc::CanCloseFrame() {
  // The schedule is written back whenever its window closes, changed or
  // not, without asking; a save that fails keeps the window open.
  if (!annualSchedule_) return true;
  return OnSaveDocument(GetPathName());
}
