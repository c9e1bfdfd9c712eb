#pragma once
// Runs a command line through the shell for the tests of korvane-print:
// its exit status, standard output and standard error.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace korvane {

struct ToolRun {
  int status = -1;
  std::string out;
  std::string err;
};

inline ToolRun RunCommand(const std::string& command) {
  ToolRun run;
  const std::string errFile = std::filesystem::temp_directory_path() /
                              ("korvane_tool_run_" + std::to_string(getpid()) + ".err");
  FILE* pipe = popen((command + " 2>'" + errFile + "'").c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::ifstream err(errFile);
  std::stringstream text;
  text << err.rdbuf();
  run.err = text.str();
  std::filesystem::remove(errFile);
  return run;
}

}  // namespace korvane
