#include "textdata/user_files.h"

#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <system_error>

namespace korvane {
namespace fs = std::filesystem;

namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

bool IsDirectory(const std::string& path) {
  std::error_code error;
  return !path.empty() && fs::is_directory(path, error);
}

// An XDG base folder: the variable when it holds an absolute path, else the
// default under the home folder.
std::string BaseFolder(const std::string& value, const std::string& home, const char* fallback) {
  if (!value.empty() && value.front() == '/') return value;
  if (home.empty()) return {};
  return home + "/" + fallback;
}

std::optional<std::string> ReadWhole(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return bytes.str();
}

// Writes next to `path` first, then renames, so a broken copy never takes
// the place of a whole file.
bool WriteWhole(const fs::path& path, const std::string& bytes) {
  const fs::path temporary = path.string() + ".new." + std::to_string(getpid());
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();
    if (!out) {
      std::error_code ignored;
      fs::remove(temporary, ignored);
      return false;
    }
  }
  std::error_code error;
  fs::rename(temporary, path, error);
  if (error) fs::remove(temporary, error);
  return !error;
}

constexpr const char* kManifest = ".shipped";

std::map<std::string, std::string> ReadManifest(const fs::path& path) {
  std::map<std::string, std::string> sums;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    const size_t gap = line.find("  ");
    if (gap == 64) sums[line.substr(gap + 2)] = line.substr(0, gap);
  }
  return sums;
}

}  // namespace

UserEnvironment CurrentEnvironment() {
  UserEnvironment env;
  std::error_code error;
  const fs::path current = fs::current_path(error);
  env.workingDirectory = error ? "." : current.string();
  env.home = Env("HOME");
  env.xdgConfigHome = Env("XDG_CONFIG_HOME");
  env.xdgDataHome = Env("XDG_DATA_HOME");
  env.shippedTxtData = Env("KORVANE_SHIPPED_TXTDATA");
  if (env.shippedTxtData.empty()) {
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (!error)
      env.shippedTxtData = (program.parent_path().parent_path() / "share/korvane/TxtData").string();
  }
  return env;
}

UserFiles LocateUserFiles(const UserEnvironment& env) {
  UserFiles files;
  const std::string config = BaseFolder(env.xdgConfigHome, env.home, ".config");
  const std::string data = BaseFolder(env.xdgDataHome, env.home, ".local/share");
  if (IsDirectory(env.workingDirectory + "/TxtData") || config.empty() || data.empty()) {
    files.settingsDirectory = files.dataDirectory = env.workingDirectory;
    files.inWorkingDirectory = true;
    return files;
  }
  files.settingsDirectory = config + "/korvane";
  files.dataDirectory = data + "/korvane";
  return files;
}

std::vector<std::string> RefreshTxtData(const std::string& shipped, const std::string& target) {
  std::vector<std::string> problems;
  std::error_code error;
  fs::create_directories(target, error);
  if (error) return {target + ": " + error.message()};
  if (!IsDirectory(shipped)) return problems;
  const fs::path manifestPath = fs::path(target) / kManifest;
  std::map<std::string, std::string> manifest = ReadManifest(manifestPath);
  bool changed = !fs::exists(manifestPath, error);
  for (const fs::directory_entry& entry : fs::directory_iterator(shipped, error)) {
    if (!entry.is_regular_file(error)) continue;
    const std::string name = entry.path().filename().string();
    if (name == kManifest) continue;
    const std::optional<std::string> source = ReadWhole(entry.path());
    if (!source) {
      problems.push_back(entry.path().string() + ": cannot be read");
      continue;
    }
    const std::string newSum = Sha256Hex(*source);
    const fs::path destination = fs::path(target) / name;
    if (fs::exists(destination, error)) {
      const auto known = manifest.find(name);
      // A file we never shipped, or one the user edited, is theirs.
      if (known == manifest.end()) continue;
      const std::optional<std::string> present = ReadWhole(destination);
      if (!present || Sha256Hex(*present) != known->second) continue;
      if (known->second == newSum) continue;
    }
    if (!WriteWhole(destination, *source)) {
      problems.push_back(destination.string() + ": cannot be written");
      continue;
    }
    manifest[name] = newSum;
    changed = true;
  }
  if (changed) {
    std::string text;
    for (const auto& [name, sum] : manifest) text += sum + "  " + name + "\n";
    if (!WriteWhole(manifestPath, text)) problems.push_back(manifestPath.string() + ": cannot be written");
  }
  return problems;
}

std::vector<std::string> PrepareUserFiles(const UserEnvironment& env, const UserFiles& files) {
  if (files.inWorkingDirectory) return {};
  std::vector<std::string> problems;
  std::error_code error;
  fs::create_directories(files.settingsDirectory, error);
  if (error) problems.push_back(files.settingsDirectory + ": " + error.message());
  for (std::string& problem : RefreshTxtData(env.shippedTxtData, files.dataDirectory + "/TxtData"))
    problems.push_back(std::move(problem));
  // The settings an older start-up script kept beside the data.
  const fs::path settings = fs::path(files.settingsDirectory) / "korvane.INI";
  const fs::path old = fs::path(files.dataDirectory) / "korvane.INI";
  if (!fs::exists(settings, error) && fs::is_regular_file(old, error)) {
    const std::optional<std::string> bytes = ReadWhole(old);
    if (!bytes || !WriteWhole(settings, *bytes)) problems.push_back(settings.string() + ": cannot be written");
  }
  return problems;
}

std::string ReadOnlyDataDirectory(const UserEnvironment& env) {
  const UserFiles files = LocateUserFiles(env);
  if (files.inWorkingDirectory || IsDirectory(files.dataDirectory + "/TxtData"))
    return files.dataDirectory;
  // The installed TxtData's parent, so that "<dir>/TxtData" is it.
  return fs::path(env.shippedTxtData).parent_path().string();
}

// ---------------------------------------------------------------- SHA-256

namespace {

constexpr std::array<uint32_t, 64> kRounds = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

uint32_t Rotate(uint32_t x, int n) { return (x >> n) | (x << (32 - n)); }

}  // namespace

std::string Sha256Hex(const std::string& bytes) {
  std::array<uint32_t, 8> h = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                               0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};
  std::string message = bytes;
  const uint64_t bits = static_cast<uint64_t>(bytes.size()) * 8;
  message += static_cast<char>(0x80);
  while (message.size() % 64 != 56) message += '\0';
  for (int i = 7; i >= 0; --i) message += static_cast<char>((bits >> (8 * i)) & 0xff);
  for (size_t block = 0; block < message.size(); block += 64) {
    std::array<uint32_t, 64> w{};
    for (int i = 0; i < 16; ++i) {
      for (int b = 0; b < 4; ++b)
        w[i] = (w[i] << 8) | static_cast<unsigned char>(message[block + 4 * i + b]);
    }
    for (int i = 16; i < 64; ++i) {
      const uint32_t s0 = Rotate(w[i - 15], 7) ^ Rotate(w[i - 15], 18) ^ (w[i - 15] >> 3);
      const uint32_t s1 = Rotate(w[i - 2], 17) ^ Rotate(w[i - 2], 19) ^ (w[i - 2] >> 10);
      w[i] = w[i - 16] + s0 + w[i - 7] + s1;
    }
    std::array<uint32_t, 8> v = h;
    for (int i = 0; i < 64; ++i) {
      const uint32_t s1 = Rotate(v[4], 6) ^ Rotate(v[4], 11) ^ Rotate(v[4], 25);
      const uint32_t choose = (v[4] & v[5]) ^ (~v[4] & v[6]);
      const uint32_t t1 = v[7] + s1 + choose + kRounds[i] + w[i];
      const uint32_t s0 = Rotate(v[0], 2) ^ Rotate(v[0], 13) ^ Rotate(v[0], 22);
      const uint32_t majority = (v[0] & v[1]) ^ (v[0] & v[2]) ^ (v[1] & v[2]);
      const uint32_t t2 = s0 + majority;
      v = {t1 + t2, v[0], v[1], v[2], v[3] + t1, v[4], v[5], v[6]};
    }
    for (int i = 0; i < 8; ++i) h[i] += v[i];
  }
  static constexpr char kHex[] = "0123456789abcdef";
  std::string hex;
  for (uint32_t word : h) {
    for (int shift = 28; shift >= 0; shift -= 4) hex += kHex[(word >> shift) & 0xf];
  }
  return hex;
}

}  // namespace korvane
