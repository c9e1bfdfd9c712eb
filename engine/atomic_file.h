#pragma once
// Replacing a file the user depends on (the settings, the annual schedule):
// the new text is written beside it and renamed over it, so a failed write
// leaves the old file whole.
#include <string>
#include <string_view>

namespace korvane {

// Writes `bytes` to `path` through "<path>.tmp" and a rename.  Returns false,
// with the old file untouched and no temporary left behind, on any failure.
bool ReplaceFileContents(const std::string& path, std::string_view bytes);

}  // namespace korvane
