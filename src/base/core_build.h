#pragma once
// The build this core library was made with. Start-up loads the core library from the program folder and
// asks it, so a program and a core library of different builds are caught before any window opens.
#include <cstdint>

// The symbol's name is what start-up looks up in the loaded library.
extern "C" uint32_t KviloCoreBuildNumber();
