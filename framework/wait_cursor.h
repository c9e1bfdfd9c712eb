#pragma once
// The wait cursor shown during long fills.  Nested uses count: the cursor
// returns to normal when the outermost use ends.
namespace korvane {

void BeginWaitCursor();
void EndWaitCursor();

class CWaitCursor {
 public:
  CWaitCursor() { BeginWaitCursor(); }
  ~CWaitCursor() { EndWaitCursor(); }
  CWaitCursor(const CWaitCursor&) = delete;
  CWaitCursor& operator=(const CWaitCursor&) = delete;
};

}  // namespace korvane
