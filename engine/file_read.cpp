#include "engine/file_read.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace korvane {
namespace {

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

ReadStatus ReadRegularFile(const std::string& path, std::size_t maxBytes, std::string& bytes) {
  bytes.clear();
  if (path.empty()) return ReadStatus::Missing;
  // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
  int fd;
  do {
    fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return ReadStatus::Missing;
    // A name that is a folder fails here on some systems, on the fstat below
    // on others.
    if (errno == EISDIR) return ReadStatus::NotRegular;
    return ReadStatus::Unreadable;
  }
  Descriptor file(fd);
  struct stat info {};
  if (::fstat(fd, &info) != 0) return ReadStatus::Unreadable;
  if (!S_ISREG(info.st_mode)) return ReadStatus::NotRegular;
  if (info.st_size > 0 && static_cast<unsigned long long>(info.st_size) > maxBytes)
    return ReadStatus::TooLarge;

  // The size is only a hint (the file may change while it is read), so the
  // loop itself stops one byte past the limit.
  std::string content;
  content.reserve(static_cast<std::size_t>(info.st_size > 0 ? info.st_size : 0));
  char buffer[65536];
  for (;;) {
    const std::size_t left = maxBytes - content.size();
    const std::size_t want = left < sizeof buffer ? left + 1 : sizeof buffer;
    const ssize_t got = ::read(fd, buffer, want);
    if (got < 0) {
      if (errno == EINTR) continue;
      return ReadStatus::Unreadable;
    }
    if (got == 0) break;
    content.append(buffer, static_cast<std::size_t>(got));
    if (content.size() > maxBytes) return ReadStatus::TooLarge;
  }
  bytes = std::move(content);
  return ReadStatus::Ok;
}

std::string_view WithoutUtf8Bom(std::string_view bytes) {
  constexpr std::string_view kBom = "\xEF\xBB\xBF";
  if (bytes.substr(0, kBom.size()) == kBom) bytes.remove_prefix(kBom.size());
  return bytes;
}

std::string TooLargeText(const std::string& path, std::size_t limit) {
  const size_t slash = path.find_last_of('/');
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  const bool mebibytes = limit >= (std::size_t{1} << 20) && limit % (std::size_t{1} << 20) == 0;
  return name + " は大きすぎます (" + std::to_string(mebibytes ? limit >> 20 : limit >> 10) +
         (mebibytes ? " MiB まで)." : " KiB まで).");
}

const char* ReadStatusName(ReadStatus status) {
  switch (status) {
    case ReadStatus::Ok: return "ok";
    case ReadStatus::Missing: return "missing";
    case ReadStatus::NotRegular: return "not a regular file";
    case ReadStatus::TooLarge: return "too large";
    case ReadStatus::Unreadable: return "unreadable";
  }
  return "unknown";
}

}  // namespace korvane
