#include "shell/korvane_doc.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "engine/atomic_file.h"
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
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    korvane::ShowMessage(korvane::Format("%s\n%s", path.c_str(), korvane::kFileUnreadable));
    return false;
  }
  scheduleText_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return true;
}

bool CKorvaneDoc::OnSaveDocument(const std::string& pathName) {
  if (!annualSchedule_ || pathName != kAnnualScheduleName) return true;
  const std::string path = SchedulePath();
  return korvane::ReplaceFileContents(path, scheduleText_);
}
