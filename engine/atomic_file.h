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
// `systemError`, when given, receives the errno of the step that failed
// (EACCES for a file refused because it is read-only, EISDIR or EINVAL for
// one that is not a regular file), for callers that word their own message.
bool ReplaceFileContents(const std::string& path, std::string_view bytes,
                         std::string* reason = nullptr, int* systemError = nullptr);

// The name of the temporary file ReplaceFileContents writes beside `path`
// stands for six letters or digits; true when `name` (a file name without
// its folder) is one made for `fileName`.
bool IsReplacementTemporary(std::string_view name, std::string_view fileName);

// Removes what an interrupted ReplaceFileContents of `path` (killed between
// making its temporary file and renaming it) left beside it: regular files
// named exactly as its temporaries are, last changed more than
// `minimumAgeSeconds` ago, so that a write still running in another process
// keeps its file.  Returns how many were removed.
int RemoveStaleTemporaries(const std::string& path, int minimumAgeSeconds = 60);

}  // namespace korvane
