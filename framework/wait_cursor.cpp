#include "framework/wait_cursor.h"

#include <QApplication>
#include <QCursor>

namespace korvane {
namespace {
int g_depth = 0;
}

void BeginWaitCursor() {
  if (g_depth++ == 0) QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void EndWaitCursor() {
  // An unmatched end is ignored rather than popping someone else's cursor.
  if (g_depth == 0) return;
  if (--g_depth == 0) QApplication::restoreOverrideCursor();
}

}  // namespace korvane
