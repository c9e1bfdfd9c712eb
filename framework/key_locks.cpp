#include "framework/key_locks.h"

#include <dlfcn.h>

#include <cstdlib>

namespace korvane {
namespace {

// The few libX11 entry points used, by their C signatures.
using Display = void;
using Atom = unsigned long;
using XOpenDisplayFn = Display* (*)(const char*);
using XInternAtomFn = Atom (*)(Display*, const char*, int);
using XkbGetNamedIndicatorFn = int (*)(Display*, Atom, int*, int*, void*, int*);

struct X11 {
  Display* display = nullptr;
  XInternAtomFn internAtom = nullptr;
  XkbGetNamedIndicatorFn namedIndicator = nullptr;
};

const X11& Connection() {
  static const X11 x11 = [] {
    X11 result;
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name) return result;
    void* library = dlopen("libX11.so.6", RTLD_LAZY | RTLD_LOCAL);
    if (!library) return result;
    auto open = reinterpret_cast<XOpenDisplayFn>(dlsym(library, "XOpenDisplay"));
    result.internAtom = reinterpret_cast<XInternAtomFn>(dlsym(library, "XInternAtom"));
    result.namedIndicator =
        reinterpret_cast<XkbGetNamedIndicatorFn>(dlsym(library, "XkbGetNamedIndicator"));
    if (!open || !result.internAtom || !result.namedIndicator) return X11{};
    // A connection of our own, kept for the life of the process.
    result.display = open(nullptr);
    return result;
  }();
  return x11;
}

bool Indicator(const X11& x11, const char* name) {
  const Atom atom = x11.internAtom(x11.display, name, 1 /* only if exists */);
  if (atom == 0) return false;
  int state = 0;
  int index = 0;
  int real = 0;
  if (!x11.namedIndicator(x11.display, atom, &index, &state, nullptr, &real)) return false;
  return state != 0;
}

}  // namespace

LockKeys QueryLockKeys() {
  LockKeys keys;
  const X11& x11 = Connection();
  if (!x11.display) return keys;
  keys.available = true;
  keys.kana = Indicator(x11, "Kana");
  keys.caps = Indicator(x11, "Caps Lock");
  keys.num = Indicator(x11, "Num Lock");
  keys.scroll = Indicator(x11, "Scroll Lock");
  return keys;
}

}  // namespace korvane
