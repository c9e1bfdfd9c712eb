#include "ui/views/korvane_doc.h"

#include <sys/stat.h>

#include <QFile>
#include <QFileDialog>
#include <cstdio>

#include "engine/atomic_file.h"
#include "engine/format.h"
#include "engine/message_hook.h"
#include "framework/message_box.h"
#include "state/app_settings.h"
#include "textdata/text_line_source.h"

namespace {

// At most this many unwritable characters are listed one by one.
constexpr size_t kListedCharacters = 20;

const QString kCp932Filter = QStringLiteral("Shift_JIS, 書き込めない文字は ? に置き換え (*.txt)");
const QString kUtf8Filter = QStringLiteral("UTF-8 (*.txt)");

// What the program says when it ends with nobody to ask: the log.
void Log(const std::string& text) { std::fprintf(stderr, "korvane: %s\n", text.c_str()); }

}  // namespace

std::string CKorvaneDoc::SchedulePath() {
  std::string path = AppSettings::Instance().ProgramDirectory();
  path += "/TxtData/annual.txt";
  return path;
}

std::string CKorvaneDoc::BesidePath(const std::string& path, std::time_t when) {
  const size_t slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
  std::tm local{};
  localtime_r(&when, &local);
  char name[40];
  std::strftime(name, sizeof name, "annual-%Y%m%d-%H%M%S", &local);
  return folder + "/" + name + ".txt";
}

bool CKorvaneDoc::OnOpenDocument(const std::string& pathName) {
  if (pathName != kAnnualScheduleName) return true;
  annualSchedule_ = true;
  const std::string path = SchedulePath();
  if (!korvane::LoadAnnualSchedule(path, schedule_)) {
    korvane::ReportUnreadableFile(path);
    return false;
  }
  return true;
}

bool CKorvaneDoc::ReplaceSchedule(const std::string& bytes, std::string& reason) {
  if (!korvane::ReplaceFileContents(SchedulePath(), bytes, &reason)) return false;
  schedule_.Written(bytes);
  return true;
}

std::string CKorvaneDoc::SaveBeside(std::string& reason) {
  std::string bytes;
  if (!korvane::EncodeAnnualSchedule(schedule_, bytes)) bytes = korvane::EncodeAnnualScheduleUtf8(schedule_);
  // A second save within the same second gets a number of its own.
  const std::string first = BesidePath(SchedulePath(), std::time(nullptr));
  const std::string stem = first.substr(0, first.size() - 4);
  std::string path = first;
  struct stat info {};
  for (int n = 2; ::lstat(path.c_str(), &info) == 0 && n < 100; ++n) path = korvane::Format("%s-%d.txt", stem.c_str(), n);
  if (!korvane::ReplaceFileContents(path, bytes, &reason)) return {};
  return path;
}

bool CKorvaneDoc::SaveAs() {
  QFileDialog dialog(korvane::DefaultOwner(), QString::fromUtf8(kSaveAs));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters({kUtf8Filter, kCp932Filter});
  dialog.setDefaultSuffix(QStringLiteral("txt"));
  dialog.selectFile(QString::fromStdString(BesidePath(SchedulePath(), std::time(nullptr))));
  if (korvane::DoModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  const std::string path = QFile::encodeName(dialog.selectedFiles().front()).toStdString();
  const std::string bytes = dialog.selectedNameFilter() == kCp932Filter
                                ? korvane::EncodeAnnualScheduleReplacing(schedule_)
                                : korvane::EncodeAnnualScheduleUtf8(schedule_);
  std::string reason;
  if (korvane::ReplaceFileContents(path, bytes, &reason)) return true;
  korvane::ShowMessage(korvane::Format("%s\n%s\n%s", path.c_str(), reason.c_str(), kNotSaved));
  return false;
}

bool CKorvaneDoc::OfferWayOut(const std::string& text) {
  for (;;) {
    const int choice = korvane::AskUser(text, {kSaveAs, kDiscard, kCancel}, 2);
    if (choice == 1) return true;
    if (choice != 0) return false;
    if (SaveAs()) return true;
    // A save as that failed or was cancelled asks again.
  }
}

bool CKorvaneDoc::OnSaveDocument(const std::string& pathName) {
  if (!annualSchedule_ || pathName != kAnnualScheduleName) return true;
  return SaveEdits(NobodyToAsk());
}

bool CKorvaneDoc::SaveEdits(bool nobodyToAsk) {
  const std::string path = SchedulePath();
  std::string reason;
  std::string bytes;
  const bool encodable = korvane::EncodeAnnualSchedule(schedule_, bytes);
  if (nobodyToAsk) {
    // Nothing is overwritten that someone else wrote, and nothing typed is
    // lost: what cannot go into the file goes beside it.
    if (encodable && !schedule_.ChangedOnDisk(path) && ReplaceSchedule(bytes, reason)) return true;
    const std::string beside = SaveBeside(reason);
    if (!beside.empty()) {
      Log(korvane::Format("%s: the edits of the annual schedule were saved as %s", path.c_str(),
                          beside.c_str()));
    } else {
      Log(korvane::Format("%s: the edits of the annual schedule could not be saved: %s", path.c_str(),
                          reason.c_str()));
    }
    return true;
  }

  // Text that code page 932 cannot hold is never changed behind the
  // user's back: the file keeps its old text, the window its new one.
  if (!encodable) {
    const std::vector<korvane::UnwritableCharacter> found = korvane::FindUnwritableCharacters(schedule_.text);
    std::string characters;
    std::string places;
    for (size_t i = 0; i < found.size(); ++i) {
      if (characters.find(found[i].character) == std::string::npos)
        characters += (characters.empty() ? "" : " ") + found[i].character;
      if (i < kListedCharacters)
        places += korvane::Format("\n%d行 %d文字目: %s", found[i].line, found[i].column,
                                  found[i].character.c_str());
    }
    if (found.size() > kListedCharacters)
      places += korvane::Format("\nほか %d 文字", static_cast<int>(found.size() - kListedCharacters));
    return OfferWayOut(korvane::Format("%s\n%s %s%s\n%s", path.c_str(), kUnwritableCharacters,
                                       characters.c_str(), places.c_str(), kNotSaved));
  }

  if (schedule_.ChangedOnDisk(path)) {
    const int choice = korvane::AskUser(korvane::Format("%s\n%s", path.c_str(), kChangedOnDisk),
                                        {kKeepMine, kTakeTheirs, kSaveBeside, kCancel}, 3);
    if (choice == 1) return true;
    if (choice == 2) {
      const std::string beside = SaveBeside(reason);
      if (!beside.empty()) return true;
      return OfferWayOut(korvane::Format("%s\n%s\n%s", path.c_str(), reason.c_str(), kNotSaved));
    }
    if (choice != 0) return false;
  }
  if (ReplaceSchedule(bytes, reason)) return true;
  // The text stays in the open view; the user can make the file writable
  // and save again, save it elsewhere, or let it go.
  return OfferWayOut(korvane::Format("%s\n%s\n%s", path.c_str(), reason.c_str(), kNotSaved));
}

bool CKorvaneDoc::CanCloseFrame() {
  // Only edits are written: a close without them leaves the file to
  // whoever else writes it.
  if (!annualSchedule_ || !schedule_.Edited()) return true;
  return OnSaveDocument(GetPathName());
}
