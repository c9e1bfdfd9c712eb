#pragma once
// korvane-print convert TEXT [--as-published]: one day in every calendar.
#include <string>
#include <vector>

// `args` are the command line without the program and "convert".  Prints
// one "KEY<TAB>VALUE" line per calendar and returns 0; for a text that names
// no day, or bad arguments, one line on standard error and 2.
int RunConvertCommand(const std::vector<std::string>& args);
