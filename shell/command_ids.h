#pragma once
// The command ids live with the view kind table, below the shell.
#include "views/command_ids.h"
