#pragma once
// The keyboard button: starts the system's on-screen keyboard and returns at once.
#include <string>

#include "core/shell/system_folders.h"

namespace kvilo::shell {

// The on-screen keyboard program installed in the system program folder (onboard first), or empty when
// there is none or the folder cannot be named.
std::string ScreenKeyboardProgram(SystemFolders& folders);

// Starts that program through the current launcher without waiting for it. Nothing happens, and nothing is
// shown, when there is none or it cannot be started. Each call starts it again.
void ShowScreenKeyboard();
void ShowScreenKeyboard(SystemFolders& folders);

// The newer-system test of the running system (see platform::IsNewerSystem).
bool IsNewerSystem();

} // namespace kvilo::shell
