#pragma once
// The three list-format stores of the process, as the applier and the settings dialog use them:
//   - BrwSet: the file "lf.dat" (brw_set.h), read list by list and written once at program end;
//   - BrwFMem: the in-memory table of every list shown in this run, shared by all threads (brw_mem.h);
//   - BFormat: the per-thread column table of the settings dialog (bformat.h).
// Start-up installs one ListFormatStores for the program (SetUpListFormatStores), tells it where "lf.dat"
// is once the settings folder is known, and calls SaveAll after the main window closed. Tests install
// their own with SetListFormatStores.
#include <chrono>
#include <optional>
#include <string>

#include "core/listformat/brw_mem.h"
#include "core/listformat/brw_set.h"

namespace kvilo::listformat {

class ListFormatStores {
public:
    ListFormatStores() = default;
    // `filePath` is the full path of "lf.dat" in 1251; empty = no file (nothing is read or written).
    explicit ListFormatStores(std::string filePath) : filePath_(std::move(filePath)) {}

    void SetFilePath(std::string filePath) { filePath_ = std::move(filePath); }
    const std::string& FilePath() const { return filePath_; }

    BrwFMem& Memory() { return memory_; }
    const BrwFMem& Memory() const { return memory_; }

    // Read from file: the stored entry of `idBrowse`; the file is opened and closed around the read.
    BrwSet::ReadResult ReadFromFile(const std::string& idBrowse, BrwSetRecord& record) const;

    // Loading one list's entry: the stored entry of `idBrowse` when it can be used for a list whose
    // designed format is `designedFormat`: found, with a current format of 1 to 2048 characters, and
    // stored for the same design (designed formats compared without trailing blanks). A changed design
    // thus discards the user's customisation of that list. Missing or unreadable file: nothing.
    std::optional<BrwSetRecord> LoadUsable(const std::string& idBrowse, std::string_view designedFormat) const;

    // Save all (program end): writes BrwFMem to "lf.dat" in one transaction and empties BrwFMem. Shows
    // "Нет доступа для записи настроек форматов списков !" when the transaction cannot begin and
    // "Не удалось записать настройки форматов списков !" when a write failed (nothing of the save stays in the
    // file then). With BrwFMem empty nothing is written and the file is not even created.
    void SaveAll();

    // How long the final save waits for another writer (5 seconds); tests shorten it.
    void SetSaveBusyTimeout(std::chrono::milliseconds timeout) { saveBusyTimeout_ = timeout; }

private:
    std::string filePath_;
    BrwFMem memory_;
    std::chrono::milliseconds saveBusyTimeout_ = BrwSet::kSaveBusyTimeout;
};

// The stores in use: the installed ones, or a set without a file while none is installed.
ListFormatStores& CurrentListFormatStores();
// Installs `stores` (nullptr: back to the set without a file); returns the ones installed before.
ListFormatStores* SetListFormatStores(ListFormatStores* stores);

} // namespace kvilo::listformat
