#include "shell/session_end.h"

#include <fcntl.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstdio>

namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// One pipe for the process, made once: the handler may run at any moment,
// also while an object is being replaced.
int g_pipe[2] = {-1, -1};

extern "C" void OnSignal(int number) {
  const int saved = errno;
  const unsigned char byte = static_cast<unsigned char>(number);
  // Nothing else is safe here; a full pipe already holds a wake-up.
  (void)!::write(g_pipe[1], &byte, 1);
  errno = saved;
}

bool MakePipe() {
  if (g_pipe[0] >= 0) return true;
  if (::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0) {
    g_pipe[0] = g_pipe[1] = -1;
    return false;
  }
  return true;
}

}  // namespace

SessionEnd::SessionEnd(std::function<void()> end) : end_(std::move(end)) {
  if (MakePipe()) {
    // Whatever earlier runs left in the pipe is not a signal to this one.
    unsigned char stale[64];
    while (::read(g_pipe[0], stale, sizeof stale) > 0) {
    }
    notifier_ = new QSocketNotifier(g_pipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SessionEnd::OnPipe);
    struct sigaction action {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : kSignals) ::sigaction(number, &action, nullptr);
  } else {
    std::perror("korvane: signals will end the program at once");
  }
  // The desktop's logout asks the program to keep its data: the same close.
  if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    connect(gui, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) {
      if (ending_) return;
      ending_ = true;
      if (end_) end_();
    });
  }
}

SessionEnd::~SessionEnd() {
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  for (const int number : kSignals) ::sigaction(number, &action, nullptr);
}

void SessionEnd::OnPipe() {
  unsigned char byte = 0;
  while (::read(g_pipe[0], &byte, 1) == 1) signal_ = byte;
  if (ending_ || signal_ == 0) return;
  ending_ = true;
  std::fprintf(stderr, "korvane: signal %d: closing\n", signal_);
  if (end_) end_();
}
