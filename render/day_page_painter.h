#pragma once
// The day calendar's page, ready to be painted by PaintPage: its draw
// operations with the pictures of the twelve earthly branches.  The dialog
// paints it on its page control; exports and korvane-print paint the same.
#include <QColor>

#include "content/day_page_content.h"
#include "render/page_export.h"

class QPainter;

namespace korvane {

// The picture of earthly branch `branch` (0 = 子): the animal's kanji on a
// rounded tile of its colour, 16 x 15 page pixels, its top-left corner at
// (x, y).  Drawn as shapes and text, so it stays sharp at any scale.
void PaintBranchPicture(QPainter& painter, int branch, int x, int y);

// The page on `background` (the dialog's own colour around the page).
// `font` is the font whose height variants the texts take.
PagePainting DayPainting(const DayPage& page, const CFont& font, const GridSystemColors& colors,
                         const QColor& background);

}  // namespace korvane
