#pragma once
// BrwSet: the list-format file "lf.dat", the one list-format store that outlives the program. It is an
// SQLite database with one table, BrwSet, keyed by the list identifier (docs/lf-dat.md describes it for
// administrators). The file is never held open: every read opens it, fetches one entry and closes it, and
// the final save opens it around one transaction.
//
// The file may sit on a network drive and be used by several running copies at once, so it keeps the
// rollback journal (never WAL, which needs shared memory on one machine), and the save's transaction waits
// up to 5 seconds for another writer. A file that is not this program's database (another program's data,
// random bytes) is never written, let alone replaced: the save refuses and reports it.
#include <chrono>
#include <string>
#include <vector>

#include "core/listformat/list_format_records.h"

namespace kvilo::listformat {

class BrwSet {
public:
    enum class ReadResult {
        Found,
        NotFound,   // no entry for the identifier, or no file
        Unreadable, // the file is locked too long, damaged, or not this program's database
    };
    enum class SaveResult {
        Saved,    // committed (or nothing needed writing)
        NoAccess, // the transaction could not begin: another writer held the file, or it cannot be written
        Failed,   // a write failed, or the file is not this program's database: nothing of the save stays
    };

    static constexpr std::chrono::milliseconds kSaveBusyTimeout{5000};
    static constexpr std::chrono::milliseconds kReadBusyTimeout{2000};

    // `path` is the full path of "lf.dat" in 1251.
    explicit BrwSet(std::string path) : path_(std::move(path)) {}

    // Fetches the entry of `idBrowse`. Texts come back in 1251 as stored (trailing blanks and all).
    ReadResult Read(const std::string& idBrowse, BrwSetRecord& record) const;

    // Writes the entries in one transaction: a new identifier is inserted (reserved fields 0 and empty), a
    // known one is updated only when its formats (trailing blanks ignored) or settings differ. Entries
    // without an identifier, a current format or a designed format are skipped, and so is every entry that
    // the record could not hold (an identifier over 20 characters, a format over 2048). When any write
    // fails, the whole save is rolled back. Creates the file only when there is something to write.
    SaveResult Save(const std::vector<BrwMemEntry>& entries) const;

    // How long the save waits for another writer; tests shorten it.
    void SetSaveBusyTimeout(std::chrono::milliseconds timeout) { saveBusyTimeout_ = timeout; }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
    std::chrono::milliseconds saveBusyTimeout_ = kSaveBusyTimeout;
};

} // namespace kvilo::listformat
