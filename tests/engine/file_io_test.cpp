// Reading files that may be anything a name can lead to, and replacing
// files so that the user's permissions, links and old contents survive.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <fstream>
#include <sstream>

#include "engine/atomic_file.h"
#include "engine/file_read.h"

namespace fs = std::filesystem;
using korvane::ReadRegularFile;
using korvane::ReadStatus;
using korvane::ReplaceFileContents;

namespace {

class FileIoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("korvane_file_io_" + std::to_string(::getpid()) + "_" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ignored;
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(dir_, ignored);
  }
  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  static void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  static mode_t Mode(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? (info.st_mode & 07777) : 0;
  }
  // Only the files named are in the folder: no temporary was left behind.
  void ExpectOnly(std::initializer_list<std::string> names, const fs::path& folder = {}) const {
    std::set<std::string> left;
    for (const auto& entry : fs::directory_iterator(folder.empty() ? dir_ : folder))
      left.insert(entry.path().filename().string());
    EXPECT_EQ(left, std::set<std::string>(names));
  }

  fs::path dir_;
};

TEST_F(FileIoTest, ReadsOnlyRegularFilesWithinTheLimit) {
  Write(Path("ok"), "12345");
  Write(Path("empty"), "");
  ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
  fs::create_symlink("/dev/zero", Path("zero"));
  fs::create_symlink(Path("ok"), Path("link"));
  fs::create_directory(Path("folder"));

  const struct {
    std::string path;
    size_t limit;
    ReadStatus status;
    std::string bytes;
  } cases[] = {
      {Path("ok"), 5, ReadStatus::Ok, "12345"},
      {Path("ok"), 4, ReadStatus::TooLarge, ""},
      {Path("link"), 100, ReadStatus::Ok, "12345"},
      {Path("empty"), 0, ReadStatus::Ok, ""},
      {Path("none"), 100, ReadStatus::Missing, ""},
      {Path("ok") + "/below", 100, ReadStatus::Missing, ""},
      {"", 100, ReadStatus::Missing, ""},
      // Neither may hang nor fill the memory.
      {Path("fifo"), 100, ReadStatus::NotRegular, ""},
      {Path("zero"), korvane::kSettingsFileLimit, ReadStatus::NotRegular, ""},
      {Path("folder"), 100, ReadStatus::NotRegular, ""},
  };
  for (const auto& c : cases) {
    std::string bytes = "stale";
    EXPECT_EQ(ReadRegularFile(c.path, c.limit, bytes), c.status) << c.path << " " << c.limit;
    EXPECT_EQ(bytes, c.bytes) << c.path;
  }
}

TEST_F(FileIoTest, AnUnreadableFileSaysSo) {
  if (::geteuid() == 0) GTEST_SKIP() << "the superuser reads any file";
  Write(Path("secret"), "x");
  fs::permissions(Path("secret"), fs::perms::none);
  std::string bytes;
  EXPECT_EQ(ReadRegularFile(Path("secret"), 100, bytes), ReadStatus::Unreadable);
}

TEST(WithoutUtf8Bom, SkipsOneMarkAtTheStartOnly) {
  using korvane::WithoutUtf8Bom;
  EXPECT_EQ(WithoutUtf8Bom("\xEF\xBB\xBF[Settings]"), "[Settings]");
  EXPECT_EQ(WithoutUtf8Bom("\xEF\xBB\xBF\xEF\xBB\xBFx"), "\xEF\xBB\xBFx");
  EXPECT_EQ(WithoutUtf8Bom("\xEF\xBB"), "\xEF\xBB");
  EXPECT_EQ(WithoutUtf8Bom("a\xEF\xBB\xBF"), "a\xEF\xBB\xBF");
  EXPECT_EQ(WithoutUtf8Bom(""), "");
}

TEST_F(FileIoTest, KeepsPermissionBitsAndMakesNewFilesAsUsual) {
  for (const mode_t mode : {0600, 0640, 0664, 0755}) {
    const std::string path = Path("korvane.INI");
    Write(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
    std::string reason = "stale";
    ASSERT_TRUE(ReplaceFileContents(path, "new", &reason)) << reason;
    EXPECT_TRUE(reason.empty());
    EXPECT_EQ(Contents(path), "new");
    EXPECT_EQ(Mode(path), mode) << std::oct << mode;
  }
  const mode_t mask = ::umask(022);
  ASSERT_TRUE(ReplaceFileContents(Path("fresh"), "x"));
  ::umask(mask);
  EXPECT_EQ(Mode(Path("fresh")), 0644u);
  ExpectOnly({"korvane.INI", "fresh"});
}

TEST_F(FileIoTest, RefusesReadOnlyAndSpecialFilesWithAReason) {
  const std::string path = Path("korvane.INI");
  Write(path, "[Settings]\n");
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  std::string reason;
  EXPECT_FALSE(ReplaceFileContents(path, "new", &reason));
  EXPECT_NE(reason.find("書き込み禁止"), std::string::npos) << reason;
  EXPECT_EQ(Contents(path), "[Settings]\n");
  EXPECT_EQ(Mode(path), 0444u);

  ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
  fs::create_symlink("/dev/null", Path("null"));
  for (const std::string& special : {Path("fifo"), Path("null")}) {
    reason.clear();
    EXPECT_FALSE(ReplaceFileContents(special, "new", &reason)) << special;
    EXPECT_FALSE(reason.empty());
  }
  EXPECT_TRUE(fs::is_symlink(Path("null")));
  ExpectOnly({"korvane.INI", "fifo", "null"});
}

TEST_F(FileIoTest, AFolderThatCannotTakeANewFileLeavesTheOldOne) {
  // The superuser may write in a read-only folder, but not in /proc.
  std::string path = "/proc/korvane.INI";
  if (::geteuid() != 0) {
    path = Path("korvane.INI");
    Write(path, "old");
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
  }
  std::string reason;
  EXPECT_FALSE(ReplaceFileContents(path, "new", &reason));
  EXPECT_FALSE(reason.empty());
  if (::geteuid() != 0) {
    EXPECT_EQ(Contents(path), "old");
    fs::permissions(dir_, fs::perms::owner_all);
    ExpectOnly({"korvane.INI"});
  }
}

TEST_F(FileIoTest, ALinkKeepsPointingAtItsReplacedTarget) {
  // Settings kept in a synced folder elsewhere, reached through a link.
  fs::create_directory(Path("synced"));
  const std::string target = Path("synced/korvane.INI");
  Write(target, "old");
  ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
  fs::create_directory(Path("program"));
  fs::create_symlink("../synced/korvane.INI", Path("program/korvane.INI"));
  fs::create_symlink(Path("program/korvane.INI"), Path("second"));  // a chain

  ASSERT_TRUE(ReplaceFileContents(Path("second"), "new"));
  EXPECT_TRUE(fs::is_symlink(Path("program/korvane.INI")));
  EXPECT_TRUE(fs::is_symlink(Path("second")));
  EXPECT_EQ(Contents(target), "new");
  EXPECT_EQ(Mode(target), 0600u);
  ExpectOnly({"korvane.INI"}, dir_ / "synced");
  ExpectOnly({"korvane.INI"}, dir_ / "program");

  // A link to a file not made yet makes it; a loop is refused.
  fs::create_symlink("synced/later.INI", Path("later"));
  ASSERT_TRUE(ReplaceFileContents(Path("later"), "made"));
  EXPECT_EQ(Contents(Path("synced/later.INI")), "made");
  fs::create_symlink(Path("loop"), Path("loop"));
  std::string reason;
  EXPECT_FALSE(ReplaceFileContents(Path("loop"), "x", &reason));
  EXPECT_FALSE(reason.empty());
}

}  // namespace

namespace {

// Only this program's own leftovers, and only old ones: a file of the user
// that happens to look alike, or a write still running, stays.
TEST_F(FileIoTest, StaleTemporariesOfOneFileAreRemovedAtStart) {
  struct Case {
    const char* name;
    bool old, removed;
  };
  const Case cases[] = {{"korvane.INI.a1B2c3", true, true},   {"korvane.INI.a1B2c3x", true, false},
                        {"korvane.INI.a1B2c", true, false},   {"korvane.INI.a1-2c3", true, false},
                        {"korvane.INIXa1B2c3", true, false},  {"other.INI.a1B2c3", true, false},
                        {"korvane.INI.Zz9Zz9", false, false}, {"korvane.INI", true, false}};
  for (const Case& c : cases) {
    Write(Path(c.name), "x");
    if (c.old) {
      const timespec times[2] = {{::time(nullptr) - 120, 0}, {::time(nullptr) - 120, 0}};
      ASSERT_EQ(::utimensat(AT_FDCWD, Path(c.name).c_str(), times, 0), 0);
    }
  }
  fs::create_directory(Path("korvane.INI.Folder"));
  EXPECT_EQ(korvane::RemoveStaleTemporaries(Path("korvane.INI")), 1);
  for (const Case& c : cases) EXPECT_EQ(fs::exists(Path(c.name)), !c.removed) << c.name;
  EXPECT_TRUE(fs::is_directory(Path("korvane.INI.Folder")));
}

}  // namespace
