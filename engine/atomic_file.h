#pragma once
// Replacing a file the user depends on (the settings, the annual schedule)
// as a careful editor does: the new text is written to a new file beside
// the old one, flushed to the disk and renamed over it, so a failure at any
// point leaves the old file whole.
//
// - A symbolic link is followed and its target replaced, in the target's
//   own folder; the link itself stays.
// - The new file gets the old file's permission bits, and its owner and
//   group where the process may set them.
// - An existing file without write permission, or one that is not a
//   regular file, is not replaced.
#include <string>
#include <string_view>

namespace korvane {

// Writes `bytes` in place of the file at `path` (creating it when missing).
// Returns false on any failure, with the old file untouched, no temporary
// left behind and, when `reason` is given, a one-line message for the user
// saying why (e.g. that the file is read-only).
bool ReplaceFileContents(const std::string& path, std::string_view bytes,
                         std::string* reason = nullptr);

}  // namespace korvane
