#pragma once
// The window layer's own texts (a child window's system menu, the standard
// buttons of message boxes) in Japanese, like every text of the program,
// whatever language the desktop runs in.
namespace korvane {

// Loads the Japanese translation of the window layer and installs it in the
// running application.  False when the translation files are not installed;
// those texts then stay English.
bool InstallJapaneseWindowTexts();
// Takes it out again (tests).
void RemoveJapaneseWindowTexts();

}  // namespace korvane
