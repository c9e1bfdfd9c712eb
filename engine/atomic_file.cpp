#include "engine/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <dirent.h>

#include <cerrno>
#include <climits>
#include <ctime>
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

// Where a failure is reported: the sentence for the user and the errno.
struct Failure {
  std::string* reason;
  int* systemError;

  bool operator()(const char* text, int error) const {
    if (reason) *reason = text;
    if (systemError) *systemError = error;
    return false;
  }
};

const char* WriteFailure(int error) {
  switch (error) {
    case ENOSPC:
    case EDQUOT: return "ディスクの空きが足りません.";
    case EROFS: return "書き込みの出来ない場所です.";
    case EFBIG: return "ファイルの大きさの上限を超えます.";
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
    // A device that takes nothing and reports no error would loop forever.
    if (written == 0) {
      errno = ENOSPC;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(written));
  }
  return true;
}

}  // namespace

bool ReplaceFileContents(const std::string& path, std::string_view bytes, std::string* reason,
                         int* systemError) {
  if (reason) reason->clear();
  if (systemError) *systemError = 0;
  const Failure Fail{reason, systemError};
  if (path.empty()) return Fail("ファイル名がありません.", ENOENT);
  std::string target;
  if (!FollowLinks(path, target)) return Fail("リンクをたどれません.", ELOOP);

  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists) {
    if (!S_ISREG(old.st_mode))
      return Fail("通常のファイルではありません.", S_ISDIR(old.st_mode) ? EISDIR : EINVAL);
    // The permission bits are the user's word even where the process could
    // write anyway (as the superuser can).
    if ((old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(target.c_str(), W_OK) != 0)
      return Fail("ファイルが書き込み禁止になっています.", EACCES);
  } else if (errno != ENOENT) {
    return Fail("ファイルを調べられません.", errno);
  }

  std::string temporary = target + ".XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) {
    const int error = errno;
    if (error == EACCES || error == EPERM) return Fail("フォルダが書き込み禁止になっています.", error);
    if (error == ENOENT || error == ENOTDIR) return Fail("フォルダがありません.", error);
    return Fail(WriteFailure(error), error);
  }
  // Every failure after this point removes the new file, so the old one is
  // all there is, byte for byte.
  auto discard = [&](int error) {
    ::close(fd);
    ::unlink(temporary.c_str());
    return Fail(WriteFailure(error), error);
  };

  if (exists) {
    // Owner first: changing it may clear set-id bits, which fchmod restores.
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) (void)!::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    if (::fchmod(fd, old.st_mode & 07777) != 0) {
      const int error = errno;
      ::close(fd);
      ::unlink(temporary.c_str());
      return Fail("ファイルの属性を写せません.", error);
    }
  } else {
    // A new file gets what any new file gets: 0666 less the umask.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    (void)::fchmod(fd, 0666 & ~mask);
  }

  // A full disk may only show at fsync (delayed allocation) or at close
  // (network file systems), so each step is checked.
  if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) return discard(errno);
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return Fail(WriteFailure(error), error);
  }
  if (::rename(temporary.c_str(), target.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return Fail("ファイルを置き換えられません.", error);
  }
  // The rename itself reaches the disk with the folder.
  const int folder = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folder >= 0) {
    (void)::fsync(folder);
    ::close(folder);
  }
  return true;
}

bool IsReplacementTemporary(std::string_view name, std::string_view fileName) {
  if (fileName.empty() || name.size() != fileName.size() + 7 || !name.starts_with(fileName) ||
      name[fileName.size()] != '.')
    return false;
  for (const char c : name.substr(fileName.size() + 1)) {
    const bool alnum = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (!alnum) return false;
  }
  return true;
}

int RemoveStaleTemporaries(const std::string& path, int minimumAgeSeconds) {
  std::string target;
  if (path.empty() || !FollowLinks(path, target)) return 0;
  const std::string folder = FolderOf(target);
  const size_t slash = target.find_last_of('/');
  const std::string fileName = slash == std::string::npos ? target : target.substr(slash + 1);
  DIR* dir = ::opendir(folder.c_str());
  if (!dir) return 0;
  const time_t now = std::time(nullptr);
  int removed = 0;
  while (const dirent* entry = ::readdir(dir)) {
    if (!IsReplacementTemporary(entry->d_name, fileName)) continue;
    const std::string leftover = folder + "/" + entry->d_name;
    struct stat info {};
    if (::lstat(leftover.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
    if (now - info.st_mtime <= minimumAgeSeconds) continue;
    if (::unlink(leftover.c_str()) == 0) ++removed;
  }
  ::closedir(dir);
  return removed;
}

}  // namespace korvane
