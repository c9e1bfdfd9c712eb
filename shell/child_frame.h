#pragma once
// CChildFrame: the MDI child window of every view kind.
#include "framework/mdi_child.h"

class CChildFrame : public CMDIChildWnd {
  Q_OBJECT
 public:
  CChildFrame() = default;
};
