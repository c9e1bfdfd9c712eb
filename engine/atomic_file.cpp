#include "engine/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <vector>

namespace korvane {
namespace {

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

// The file a chain of symbolic links ends at (which need not exist yet, as
// with a link to a file not made so far).  False on a loop.
bool FollowLinks(const std::string& path, std::string& target) {
  target = path;
  for (int hops = 0; hops < 40; ++hops) {
    struct stat info {};
    if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return true;
    std::vector<char> buffer(PATH_MAX + 1);
    const ssize_t length = ::readlink(target.c_str(), buffer.data(), buffer.size() - 1);
    if (length < 0) return false;
    const std::string link(buffer.data(), static_cast<size_t>(length));
    target = (!link.empty() && link[0] == '/') ? link : FolderOf(target) + "/" + link;
  }
  return false;
}

bool Fail(std::string* reason, const char* text) {
  if (reason) *reason = text;
  return false;
}

const char* WriteFailure(int error) {
  switch (error) {
    case ENOSPC:
    case EDQUOT: return "ディスクの空きが足りません.";
    case EROFS: return "書き込みの出来ない場所です.";
    default: return "ファイルに書き込めません.";
  }
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

}  // namespace

bool ReplaceFileContents(const std::string& path, std::string_view bytes, std::string* reason) {
  if (reason) reason->clear();
  if (path.empty()) return Fail(reason, "ファイル名がありません.");
  std::string target;
  if (!FollowLinks(path, target)) return Fail(reason, "リンクをたどれません.");

  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists) {
    if (!S_ISREG(old.st_mode)) return Fail(reason, "通常のファイルではありません.");
    // The permission bits are the user's word even where the process could
    // write anyway (as the superuser can).
    if ((old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(target.c_str(), W_OK) != 0)
      return Fail(reason, "ファイルが書き込み禁止になっています.");
  } else if (errno != ENOENT) {
    return Fail(reason, "ファイルを調べられません.");
  }

  std::string temporary = target + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) {
    const int error = errno;
    if (error == EACCES || error == EPERM) return Fail(reason, "フォルダが書き込み禁止になっています.");
    if (error == ENOENT || error == ENOTDIR) return Fail(reason, "フォルダがありません.");
    return Fail(reason, WriteFailure(error));
  }
  auto discard = [&](const char* text) {
    ::close(fd);
    ::unlink(temporary.c_str());
    return Fail(reason, text);
  };

  if (exists) {
    // Owner first: changing it may clear set-id bits, which fchmod restores.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) (void)!::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    if (::fchmod(fd, old.st_mode & 07777) != 0) return discard("ファイルの属性を写せません.");
  } else {
    // A new file gets what any new file gets: 0666 less the umask.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    (void)::fchmod(fd, 0666 & ~mask);
  }

  if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) return discard(WriteFailure(errno));
  if (::close(fd) != 0) {
    ::unlink(temporary.c_str());
    return Fail(reason, WriteFailure(errno));
  }
  if (::rename(temporary.c_str(), target.c_str()) != 0) {
    ::unlink(temporary.c_str());
    return Fail(reason, "ファイルを置き換えられません.");
  }
  // The rename itself reaches the disk with the folder.
  const int folder = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    (void)::fsync(folder);
    ::close(folder);
  }
  return true;
}

}  // namespace korvane
