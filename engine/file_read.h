#pragma once
// The one place the program reads a file it did not just write itself (the
// settings, the annual schedule, every TxtData file).
//
// Only a regular file is read, judged on the descriptor actually opened, so
// a name that leads to a FIFO, a device or a folder can neither hang the
// program nor feed it without end; and no more than a stated number of
// bytes is read, so a huge file is refused instead of exhausting memory.
//
//   std::string bytes;
//   switch (korvane::ReadRegularFile(path, korvane::kSettingsFileLimit, bytes)) { ... }
#include <cstddef>
#include <string>
#include <string_view>

namespace korvane {

enum class ReadStatus {
  Ok,          // `bytes` holds the whole file
  Missing,     // no such file (or a folder on the way is missing)
  NotRegular,  // a FIFO, a device, a socket, a folder
  TooLarge,    // longer than the limit given
  Unreadable,  // exists but cannot be opened or read (permissions, I/O error)
};

// The settings file is a few hundred bytes; a megabyte leaves room for
// whatever a user adds by hand.
constexpr std::size_t kSettingsFileLimit = std::size_t{1} << 20;
// The largest TxtData file is well under a megabyte.
constexpr std::size_t kTextDataFileLimit = std::size_t{16} << 20;

// Reads the file at `path` into `bytes` when it is a regular file of at
// most `maxBytes` bytes.  On any other status `bytes` is left empty.
ReadStatus ReadRegularFile(const std::string& path, std::size_t maxBytes, std::string& bytes);

// `bytes` without a leading UTF-8 byte-order mark (EF BB BF), which some
// editors write at the start of a file they save.
std::string_view WithoutUtf8Bom(std::string_view bytes);

// The message for a file over its limit: "<name> は大きすぎます (16 MiB まで).",
// the name without its folder, the limit in MiB or KiB.
std::string TooLargeText(const std::string& path, std::size_t limit);

// A short English name of a status, for diagnostics and tests.
const char* ReadStatusName(ReadStatus status);

}  // namespace korvane
