#pragma once
// Start-up's two calls into the list-format stores: setting them up before any window and writing the
// formats back to "lf.dat" after the main window closed. The stores are not built yet, so both calls do
// nothing: no list format is loaded, kept or written in this version.
namespace kvilo::listformat {

void SetUpListFormatStores();
void SaveListFormats();

} // namespace kvilo::listformat
