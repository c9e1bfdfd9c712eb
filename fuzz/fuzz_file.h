#pragma once
// The fuzz input as a file the readers can open: one file per process,
// rewritten for every input.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "engine/message_hook.h"

namespace korvane::fuzz {

inline const std::string& InputPath() {
  static const std::string path = [] {
    // The readers' file message would flood standard error.
    SetMessageHandler([](const std::string&) {});
    SetBeepHandler([] {});
    return (access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + std::string("/korvane_fuzz_") + std::to_string(getpid()) + ".txt";
  }();
  return path;
}

inline const std::string& WriteInput(const std::uint8_t* data, std::size_t size) {
  const std::string& path = InputPath();
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                static_cast<std::streamsize>(size));
  return path;
}

}  // namespace korvane::fuzz
