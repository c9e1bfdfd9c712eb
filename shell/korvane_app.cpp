#include "shell/korvane_app.h"

#include <QApplication>
#include <QDialog>
#include <cstdio>

#include "engine/atomic_file.h"

#include "engine/format.h"
#include "engine/message_hook.h"
#include "framework/doc_template.h"
#include "framework/message_box.h"
#include "ui/dialogs/about_dialog.h"
#include "state/app_settings.h"
#include "shell/child_frame.h"
#include "content/command_ids.h"
#include "state/display_state.h"
#include "render/icons.h"
#include "ui/views/korvane_doc.h"
#include "shell/main_frame.h"
#include "shell/session_end.h"
#include "ui/dialogs/shell_dialogs.h"

namespace {
CKorvaneApp* g_app = nullptr;
}

CKorvaneApp::CKorvaneApp() {
  g_app = this;
  exitHandler_ = [](int code) { QCoreApplication::exit(code); };
}

CKorvaneApp::~CKorvaneApp() {
  sessionEnd_.reset();
  AppSettings::Instance().Profile().SetWriteFailureHandler(nullptr);
  // The frame (and its views) before the templates that made them.
  mainFrame_.reset();
  templates_.clear();
  if (g_app == this) g_app = nullptr;
}

CKorvaneApp* CKorvaneApp::Instance() { return g_app; }

bool CKorvaneApp::InitInstance() {
  AppSettings& settings = AppSettings::Instance();
  korvane::SetMessageBoxCaption(QString::fromUtf8(korvane::kAppTitle));
  // 1. The settings file, in the working directory or the user's folder,
  // and the user's places (before anything reads a place code).
  settings.Setup(dataDirectory_, settingsDirectory_);
  const int damagedPlaces = settings.LoadUserPlaces();
  // What a write killed half way (a crash, a power cut) left beside the
  // files; a minute's age spares a write of another instance still running.
  korvane::RemoveStaleTemporaries(settings.Profile().Path());
  korvane::RemoveStaleTemporaries(CKorvaneDoc::SchedulePath());
  // From here a signal or a logout closes the program as its close box does.
  sessionEnd_ = std::make_unique<SessionEnd>([this] { EndSession(); });
  // 2. Whether a main window is wanted at all.
  ShowMainWindow = settings.GetOneDayWindow(1);
  // The rules every view and dialog follows, the day calendar included.
  CurrentLaw = AppSettings::LawOf(settings.GetCurrentLaw());

  // 3. Day-calendar-only run: the dialogs without an owner, then the end.
  if (ShowMainWindow == 0) {
    if (korvane::Dialogs().dayCalendar) korvane::Dialogs().dayCalendar(nullptr);
    if (!ended_ && settings.GetOnePointView() != 0 && korvane::Dialogs().tips) korvane::Dialogs().tips(nullptr);
    return true;
  }

  // 4. (3-D controls and the recent-file list have no counterpart here.)
  // 5. The main frame and its creation steps.
  auto frame = std::make_unique<CMainFrame>(this);
  if (!frame->Create()) return false;
  mainFrame_ = std::move(frame);
  // A settings file that cannot be written is said once; the program goes
  // on with the values it read (the store stops trying).
  settings.Profile().SetWriteFailureHandler([frame = mainFrame_.get()](const std::string& reason) {
    const std::string text = korvane::Format("%s %s", "設定を保存できません:", reason.c_str());
    frame->SetNotice(QString::fromStdString(text));
    std::fprintf(stderr, "korvane: %s\n", text.c_str());
  });
  // A settings file that cannot be read whole is said now, not at the
  // first change.
  settings.Profile().CheckFile();

  if (damagedPlaces > 0) {
    mainFrame_->SetMessageText(QString::fromStdString(korvane::Format(
        "設定ファイルの地点 %d 件が壊れているため読み飛ばしました ([%s])", damagedPlaces,
        AppSettings::kPlacesSection)));
  }

  // 6. Shown, in the state the placement asked for, and painted at once.
  mainFrame_->show();
  mainFrame_->repaint();

  // 7. The 39 templates.
  RegisterTemplates();
  mainFrame_->UpdateCommandUI();

  // 8., 9. The start-up dialogs the settings ask for.
  // A signal during the first dialog ends the program: no second one.
  if (settings.GetOneDayView() != 0 && korvane::Dialogs().dayCalendar)
    korvane::Dialogs().dayCalendar(nullptr);
  if (!ended_ && settings.GetOnePointView() != 0 && korvane::Dialogs().tips) korvane::Dialogs().tips(nullptr);
  // 10. No view opens by itself.
  return true;
}

void CKorvaneApp::RegisterTemplates() {
  templates_.clear();
  for (const ViewKindInfo& info : ViewKinds()) {
    CMultiDocTemplate::ViewFactory viewFactory = ViewFactoryOf(info.kind);
    templates_.push_back(std::make_unique<CMultiDocTemplate>(
        info.resourceId, [] { return std::make_unique<CKorvaneDoc>(); },
        [] { return new CChildFrame; }, viewFactory, korvane::kDocString,
        korvane::ResourceIcon(info.resourceId)));
  }
}

CMultiDocTemplate* CKorvaneApp::Template(ViewKind kind) const {
  const size_t index = static_cast<size_t>(kind);
  return index < templates_.size() ? templates_[index].get() : nullptr;
}

bool CKorvaneApp::CanOpen(ViewKind kind) const {
  const CMultiDocTemplate* docTemplate = Template(kind);
  return docTemplate != nullptr && docTemplate->CanOpen();
}

void CKorvaneApp::SetTemplate(ViewKind kind, std::unique_ptr<CMultiDocTemplate> docTemplate) {
  const size_t index = static_cast<size_t>(kind);
  if (index >= templates_.size()) return;
  templates_[index] = std::move(docTemplate);
  if (mainFrame_) mainFrame_->UpdateCommandUI();
}

void CKorvaneApp::OnAppAbout() {
  CAboutDlg dialog(mainFrame_.get());
  korvane::DoModal(dialog);
}

void CKorvaneApp::EndSession() {
  ended_ = true;
  CDocument::SetNobodyToAsk(true);
  // A dialog open over the windows goes first, as if cancelled.
  for (int guard = 0; guard < 16; ++guard) {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) break;
    if (auto* dialog = qobject_cast<QDialog*>(modal))
      dialog->reject();
    else
      modal->close();
  }
  if (mainFrame_) mainFrame_->close();
  CDocument::SetNobodyToAsk(false);
  if (exitHandler_) exitHandler_(0);
}

void CKorvaneApp::OnAppExit() {
  // The same way out as the close box: the frame stores the placement, the
  // shown months and the place, then every window closes and its document
  // may save.  A window whose document could not be saved keeps the
  // program running.
  if (mainFrame_ && !mainFrame_->close()) return;
  if (exitHandler_) exitHandler_(0);
}
