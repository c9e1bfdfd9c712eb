#pragma once
// The end of the program from outside: SIGTERM, SIGINT and SIGHUP (kill,
// Ctrl+C in the terminal, a closed terminal) and the desktop session's
// logout.  Each one runs `end` from the event loop, which closes the program
// the way its close box does, only with nobody to ask.
//
// A signal handler may do almost nothing safely, so the handler only writes
// the signal's number into a pipe; the read end wakes the event loop.
#include <QObject>
#include <functional>

class QSocketNotifier;

class SessionEnd : public QObject {
  Q_OBJECT
 public:
  // Installs the handlers; they stay until this object is destroyed, which
  // gives the signals back their default action.
  explicit SessionEnd(std::function<void()> end);
  ~SessionEnd() override;
  SessionEnd(const SessionEnd&) = delete;
  SessionEnd& operator=(const SessionEnd&) = delete;

  // The signal that ended the program, 0 while none has.
  int Signal() const { return signal_; }

 private:
  void OnPipe();

  std::function<void()> end_;
  QSocketNotifier* notifier_ = nullptr;
  int signal_ = 0;
  bool ending_ = false;
};
