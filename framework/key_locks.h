#pragma once
// The state of the lock keys for the status bar's indicators.
//
// Qt does not report lock keys, so the X server is asked through the XKB
// indicator names, loading libX11 at run time (the program also runs on
// Wayland and offscreen, where there is no X server: all keys then read as
// off and `available` is false).
namespace korvane {

struct LockKeys {
  bool available = false;
  bool kana = false;
  bool caps = false;
  bool num = false;
  bool scroll = false;
};

LockKeys QueryLockKeys();

}  // namespace korvane
