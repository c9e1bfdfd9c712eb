#pragma once
// korvane-print notes: the day notes of a span of dates as tab-separated lines.
#include <string>
#include <vector>

#include "engine/koyomi_notes.h"

// The line of one day (without the line end); empty outside the notes' years.
std::string NotesLine(const KoyomiNotes& notes, int year, int month, int day);

// korvane-print notes ARGUMENTS...: the lines on standard output; 0, or 2
// with a one-line message for arguments it cannot take.
int RunNotesCommand(const std::vector<std::string>& args);
