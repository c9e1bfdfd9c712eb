#pragma once
// The names under which the main frame's commands open their views.
//
// A name is the new child window's title until the view sets its own.  Some
// commands first bring the shared year into the range their list covers and
// store the clamped year back into the shared display state, so that the
// view, which reads that state when it is created, opens at the same year.
#include <string>

namespace korvane {

// The name for `command`, clamping DisplayMonth / LunarDisplayMonth as the
// command does; "" for a command that opens no view.
std::string OpeningName(int command);

}  // namespace korvane
