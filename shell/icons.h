#pragma once
// The program's pictures, drawn in code: tool-bar buttons by command id and
// window icons by resource id.  Every button of the two calendar bars shows
// a calendar page in its hall's colour (red for the Gregorian hall, indigo
// for the lunisolar hall) with the mark of its view kind.
#include <QIcon>

namespace korvane {

// The button picture of a command; null for a command without one.
QIcon CommandIcon(int command);
// The icon of a resource id (128: the program; 131..160: the view kinds).
QIcon ResourceIcon(int resource);

}  // namespace korvane
