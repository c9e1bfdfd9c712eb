#pragma once
// The program's pictures, drawn in code: tool-bar buttons by command id and
// window icons by resource id.  Every button of the two calendar bars shows
// a calendar page in its hall's colour (red for the Gregorian hall, indigo
// for the lunisolar hall) with the mark of its view kind.
#include <QIcon>

class QPainter;

namespace korvane {

// The button picture of a command; null for a command without one.
QIcon CommandIcon(int command);
// The icon of a resource id (128: the program; 131..160: the view kinds).
QIcon ResourceIcon(int resource);
// The program's icon drawn into the square (0, 0, size, size) of any paint
// device: the icon files of the desktop are made from it.
void PaintProgramIcon(QPainter& painter, int size);

}  // namespace korvane
