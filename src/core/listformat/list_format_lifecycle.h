#pragma once
// Start-up's calls into the list-format stores: setting them up before any window opens, naming the file
// "lf.dat" once the settings folder is known, and writing the formats back after the main window closed.
#include <string>

namespace kvilo::listformat {

// Installs the program's stores (BrwSet without a file yet, an empty BrwFMem, BFormat per thread); nothing
// is read from them yet.
void SetUpListFormatStores();
// The full path of "lf.dat" (1251), as the settings folder lookup gave it.
void SetListFormatFile(const std::string& path);
// Save all: BrwFMem to "lf.dat" in one transaction, with its messages; then BrwFMem is emptied.
void SaveListFormats();

} // namespace kvilo::listformat
