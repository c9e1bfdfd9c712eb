// Where a user's settings and data live, and the refresh of their TxtData
// from the installed copy: an edited file is never replaced.
#include "textdata/user_files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace korvane {
namespace {
namespace fs = std::filesystem;

class UserFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("korvane_user_files_" + std::to_string(getpid()));
    fs::remove_all(root_);
    fs::create_directories(root_ / "work");
    fs::create_directories(root_ / "home");
    fs::create_directories(root_ / "share/korvane/TxtData");
  }
  void TearDown() override { fs::remove_all(root_); }

  static void Write(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
  }
  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  UserEnvironment Env() const {
    return {(root_ / "work").string(), (root_ / "home").string(), "", "",
            (root_ / "share/korvane/TxtData").string()};
  }

  fs::path root_;
};

TEST_F(UserFilesTest, TheWorkingDirectoryWinsWhenItHoldsTxtDataElseTheXdgFolders) {
  const std::string home = (root_ / "home").string();
  const std::string work = (root_ / "work").string();
  struct Case {
    std::string config, data, home;
    std::string settingsDirectory, dataDirectory;
  } cases[] = {
      {"", "", home, home + "/.config/korvane", home + "/.local/share/korvane"},
      {"/cfg", "/dat", home, "/cfg/korvane", "/dat/korvane"},
      {"relative", "also/relative", home, home + "/.config/korvane", home + "/.local/share/korvane"},
      {"", "", "", work, work},  // no home at all: the working directory
  };
  for (const Case& c : cases) {
    UserEnvironment env = Env();
    env.xdgConfigHome = c.config;
    env.xdgDataHome = c.data;
    env.home = c.home;
    const UserFiles files = LocateUserFiles(env);
    EXPECT_EQ(files.settingsDirectory, c.settingsDirectory) << c.config << "|" << c.home;
    EXPECT_EQ(files.dataDirectory, c.dataDirectory) << c.config << "|" << c.home;
  }
  fs::create_directories(root_ / "work/TxtData");
  const UserFiles files = LocateUserFiles(Env());
  EXPECT_TRUE(files.inWorkingDirectory);
  EXPECT_EQ(files.settingsDirectory, work);
  EXPECT_EQ(files.dataDirectory, work);
}

TEST_F(UserFilesTest, RefreshCopiesOnceRefreshesUntouchedFilesAndNeverAnEditedOne) {
  const fs::path shipped = root_ / "share/korvane/TxtData";
  const UserEnvironment env = Env();
  const UserFiles files = LocateUserFiles(env);
  const fs::path txt = fs::path(files.dataDirectory) / "TxtData";
  Write(shipped / "onepoint.txt", "tips v1\r\n");
  Write(shipped / "annual.txt", "schedule v1\r\n");
  // A settings file left beside the data by the old start-up script.
  fs::create_directories(files.dataDirectory);
  Write(fs::path(files.dataDirectory) / "korvane.INI", "[Settings]\r\nkorvaneYear=2001\r\n");
  EXPECT_TRUE(PrepareUserFiles(env, files).empty());
  EXPECT_EQ(Read(txt / "onepoint.txt"), "tips v1\r\n");
  EXPECT_EQ(Read(fs::path(files.settingsDirectory) / "korvane.INI"),
            "[Settings]\r\nkorvaneYear=2001\r\n");

  // The user edits the schedule; the package brings new versions and a new file.
  Write(txt / "annual.txt", "my own schedule\r\n");
  Write(shipped / "onepoint.txt", "tips v2\r\n");
  Write(shipped / "annual.txt", "schedule v2\r\n");
  Write(shipped / "Topics.txt", "help\r\n");
  // A file the user made before any copy of it is theirs, too.
  Write(txt / "weather.txt", "hand-made\r\n");
  Write(shipped / "weather.txt", "weather v1\r\n");
  Write(fs::path(files.settingsDirectory) / "korvane.INI", "[Settings]\r\nkorvaneYear=2020\r\n");
  EXPECT_TRUE(PrepareUserFiles(env, files).empty());
  EXPECT_EQ(Read(txt / "onepoint.txt"), "tips v2\r\n");
  EXPECT_EQ(Read(txt / "annual.txt"), "my own schedule\r\n");
  EXPECT_EQ(Read(txt / "Topics.txt"), "help\r\n");
  EXPECT_EQ(Read(txt / "weather.txt"), "hand-made\r\n");
  EXPECT_EQ(Read(fs::path(files.settingsDirectory) / "korvane.INI"),
            "[Settings]\r\nkorvaneYear=2020\r\n")
      << "the settings already moved are not overwritten again";

  // The manifest names each copied file with the checksum of what was shipped.
  EXPECT_NE(Read(txt / ".shipped").find(Sha256Hex("tips v2\r\n") + "  onepoint.txt\n"),
            std::string::npos);
}

TEST_F(UserFilesTest, AReaderTakesTheUsersDataElseTheInstalledCopy) {
  const UserEnvironment env = Env();
  EXPECT_EQ(ReadOnlyDataDirectory(env), (root_ / "share/korvane").string());
  fs::create_directories(root_ / "home/.local/share/korvane/TxtData");
  EXPECT_EQ(ReadOnlyDataDirectory(env), (root_ / "home/.local/share/korvane").string());
  EXPECT_FALSE(fs::exists(root_ / "home/.config")) << "reading makes no folders";
}

TEST(Sha256, KnownDigests) {
  EXPECT_EQ(Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
  EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
  // Two blocks: the padding crosses a block boundary.
  EXPECT_EQ(Sha256Hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
            "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
}

}  // namespace
}  // namespace korvane
