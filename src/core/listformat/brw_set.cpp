#include "core/listformat/brw_set.h"

#include <algorithm>
#include <climits>

#include "base/blank_text.h"
#include "base/code_page.h"
#include "core/listformat/sqlite_handles.h"
#include "platform/os_text.h"
#include "platform/special_folders.h"

namespace kvilo::listformat {
namespace {

// The file's one table. Texts are UTF-8 in the file, so that the sqlite3 shell shows them readably.
constexpr const char* kCreateTable = "CREATE TABLE BrwSet ("
                                     " IDBROWSE TEXT NOT NULL PRIMARY KEY,"
                                     " DEFFORMAT TEXT NOT NULL DEFAULT '',"
                                     " CURFORMAT TEXT NOT NULL DEFAULT '',"
                                     " FSETUP INTEGER NOT NULL DEFAULT 0,"
                                     " GRIDCOLOR INTEGER NOT NULL DEFAULT 0,"
                                     " BARCOLOR INTEGER NOT NULL DEFAULT 0,"
                                     " HLINE INTEGER NOT NULL DEFAULT 0,"
                                     " FONTSIZE INTEGER NOT NULL DEFAULT 0,"
                                     " FONTCOD INTEGER NOT NULL DEFAULT 0,"
                                     " WHEELSCROLL INTEGER NOT NULL DEFAULT 0,"
                                     " ZB1 INTEGER NOT NULL DEFAULT 0,"
                                     " ZB2 INTEGER NOT NULL DEFAULT 0,"
                                     " ZL1 INTEGER NOT NULL DEFAULT 0,"
                                     " ZL2 INTEGER NOT NULL DEFAULT 0,"
                                     " ZR1 REAL NOT NULL DEFAULT 0,"
                                     " ZS1 TEXT NOT NULL DEFAULT '')";
// "KVLF": marks the file as this program's in its header (the `file` command and the sqlite3 shell show it).
constexpr const char* kMarkFile = "PRAGMA application_id = 1263946822; PRAGMA user_version = 1";

constexpr const char* kSelectRecord = "SELECT DEFFORMAT, CURFORMAT, FSETUP, GRIDCOLOR, BARCOLOR, HLINE, FONTSIZE,"
                                      " FONTCOD, WHEELSCROLL, ZB1, ZB2, ZL1, ZL2, ZR1, ZS1"
                                      " FROM BrwSet WHERE IDBROWSE = ?1";
constexpr const char* kInsertRecord = "INSERT INTO BrwSet (IDBROWSE, DEFFORMAT, CURFORMAT, FSETUP, GRIDCOLOR, BARCOLOR,"
                                      " HLINE, FONTSIZE, FONTCOD, WHEELSCROLL) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8,"
                                      " ?9, ?10)";
constexpr const char* kUpdateRecord = "UPDATE BrwSet SET DEFFORMAT = ?2, CURFORMAT = ?3, FSETUP = ?4, GRIDCOLOR = ?5,"
                                      " BARCOLOR = ?6, HLINE = ?7, FONTSIZE = ?8, FONTCOD = ?9, WHEELSCROLL = ?10"
                                      " WHERE IDBROWSE = ?1";

bool Exec(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

SqliteStatement Prepare(sqlite3* db, const char* sql) {
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
    return SqliteStatement(statement);
}

SqliteDatabase Open(const std::string& path, int flags, std::chrono::milliseconds busyTimeout) {
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(platform::ToOsText(path).c_str(), &db, flags, nullptr);
    SqliteDatabase owned(db);
    if (rc != SQLITE_OK) return nullptr;
    sqlite3_busy_timeout(db, static_cast<int>(busyTimeout.count()));
    return owned;
}

std::string ColumnText(sqlite3_stmt* statement, int column) {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return text ? base::Utf8ToAnsi(text) : std::string();
}

int ColumnInt(sqlite3_stmt* statement, int column) {
    return static_cast<int>(std::clamp<sqlite3_int64>(sqlite3_column_int64(statement, column), INT_MIN, INT_MAX));
}

bool BindText(sqlite3_stmt* statement, int index, std::string_view ansi) {
    const std::string utf8 = base::AnsiToUtf8(ansi);
    return sqlite3_bind_text(statement, index, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT) ==
           SQLITE_OK;
}

ListAppearance ColumnAppearance(sqlite3_stmt* statement, int first) {
    ListAppearance a;
    a.setup = ColumnInt(statement, first);
    a.gridColour = ColumnInt(statement, first + 1);
    a.barColour = ColumnInt(statement, first + 2);
    a.lineHeight = ColumnInt(statement, first + 3);
    a.fontSize = ColumnInt(statement, first + 4);
    a.fontCode = ColumnInt(statement, first + 5);
    a.wheelScroll = ColumnInt(statement, first + 6);
    return a;
}

// Fetches the record of `idBrowse` with the statement kSelectRecord.
BrwSet::ReadResult Fetch(sqlite3* db, std::string_view idBrowse, BrwSetRecord& record) {
    SqliteStatement select = Prepare(db, kSelectRecord);
    if (!select || !BindText(select.get(), 1, idBrowse)) return BrwSet::ReadResult::Unreadable;
    const int rc = sqlite3_step(select.get());
    if (rc == SQLITE_DONE) return BrwSet::ReadResult::NotFound;
    if (rc != SQLITE_ROW) return BrwSet::ReadResult::Unreadable;
    sqlite3_stmt* s = select.get();
    record.idBrowse.assign(idBrowse);
    record.defFormat = ColumnText(s, 0);
    record.curFormat = ColumnText(s, 1);
    record.appearance = ColumnAppearance(s, 2);
    record.zb1 = static_cast<uint8_t>(ColumnInt(s, 9));
    record.zb2 = static_cast<uint8_t>(ColumnInt(s, 10));
    record.zl1 = ColumnInt(s, 11);
    record.zl2 = ColumnInt(s, 12);
    record.zr1 = sqlite3_column_double(s, 13);
    record.zs1 = ColumnText(s, 14);
    return BrwSet::ReadResult::Found;
}

// Whether the entry can be stored as a record at all.
bool Storable(const BrwMemEntry& entry) {
    const std::string_view id = base::RightTrim(entry.idBrowse);
    const std::string_view current = base::RightTrim(entry.curFormat);
    const std::string_view designed = base::RightTrim(entry.defFormat);
    return !id.empty() && id.size() <= kMaxListIdLength && !current.empty() &&
           current.size() <= kMaxStoredFormatLength && !designed.empty() && designed.size() <= kMaxStoredFormatLength;
}

bool SameAsStored(const BrwMemEntry& entry, const BrwSetRecord& stored) {
    return base::RightTrim(entry.curFormat) == base::RightTrim(stored.curFormat) &&
           base::RightTrim(entry.defFormat) == base::RightTrim(stored.defFormat) &&
           entry.appearance == stored.appearance;
}

// Inserts or updates one entry with the statement `sql` (kInsertRecord or kUpdateRecord).
bool WriteEntry(sqlite3* db, const char* sql, const BrwMemEntry& entry) {
    SqliteStatement write = Prepare(db, sql);
    if (!write) return false;
    sqlite3_stmt* s = write.get();
    const ListAppearance& a = entry.appearance;
    bool bound = BindText(s, 1, base::RightTrim(entry.idBrowse)) && BindText(s, 2, base::RightTrim(entry.defFormat)) &&
                 BindText(s, 3, base::RightTrim(entry.curFormat));
    int index = 4;
    for (int value : {a.setup, a.gridColour, a.barColour, a.lineHeight, a.fontSize, a.fontCode, a.wheelScroll})
        bound = bound && sqlite3_bind_int(s, index++, value) == SQLITE_OK;
    return bound && sqlite3_step(s) == SQLITE_DONE && sqlite3_changes(db) == 1;
}

// The file's table, made when the file is new; false for a database of something else.
bool HasOwnTable(sqlite3* db) {
    SqliteStatement tables = Prepare(db, "SELECT name FROM sqlite_master WHERE type = 'table'");
    if (!tables) return false;
    bool any = false;
    int rc;
    while ((rc = sqlite3_step(tables.get())) == SQLITE_ROW) {
        any = true;
        const auto* name = reinterpret_cast<const char*>(sqlite3_column_text(tables.get(), 0));
        if (name && std::string_view(name) == "BrwSet") return true;
    }
    return rc == SQLITE_DONE && !any && Exec(db, kCreateTable) && Exec(db, kMarkFile);
}

bool IsBusy(sqlite3* db) {
    const int code = sqlite3_errcode(db);
    return code == SQLITE_BUSY || code == SQLITE_LOCKED;
}

} // namespace

// The file is opened for reading and writing although a read writes nothing: a save that was cut off (a
// crash, a killed process) leaves a journal behind, and only a connection that may write can roll it back
// and so show the last committed state. A write-protected file is still read.
BrwSet::ReadResult BrwSet::Read(const std::string& idBrowse, BrwSetRecord& record) const {
    SqliteDatabase db = Open(path_, SQLITE_OPEN_READWRITE, kReadBusyTimeout);
    if (!db) return platform::FileExists(path_) ? ReadResult::Unreadable : ReadResult::NotFound;
    return Fetch(db.get(), idBrowse, record);
}

BrwSet::SaveResult BrwSet::Save(const std::vector<BrwMemEntry>& entries) const {
    std::vector<const BrwMemEntry*> storable;
    for (const BrwMemEntry& entry : entries)
        if (Storable(entry)) storable.push_back(&entry);
    if (storable.empty()) return SaveResult::Saved;

    SqliteDatabase db = Open(path_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, saveBusyTimeout_);
    if (!db || sqlite3_db_readonly(db.get(), "main") != 0) return SaveResult::NoAccess;
    if (!Exec(db.get(), "PRAGMA journal_mode = DELETE; PRAGMA synchronous = FULL"))
        return IsBusy(db.get()) ? SaveResult::NoAccess : SaveResult::Failed;
    if (!Exec(db.get(), "BEGIN IMMEDIATE")) return IsBusy(db.get()) ? SaveResult::NoAccess : SaveResult::Failed;

    // The first failed write decides the outcome: everything is rolled back, so the rest need not be tried.
    bool failed = !HasOwnTable(db.get());
    for (size_t i = 0; i < storable.size() && !failed; ++i) {
        const BrwMemEntry& entry = *storable[i];
        BrwSetRecord stored;
        switch (Fetch(db.get(), base::RightTrim(entry.idBrowse), stored)) {
        case ReadResult::NotFound:
            failed = !WriteEntry(db.get(), kInsertRecord, entry);
            break;
        case ReadResult::Found:
            if (!SameAsStored(entry, stored)) failed = !WriteEntry(db.get(), kUpdateRecord, entry);
            break;
        case ReadResult::Unreadable:
            failed = true;
            break;
        }
    }
    if (!failed && Exec(db.get(), "COMMIT")) return SaveResult::Saved;
    Exec(db.get(), "ROLLBACK");
    return SaveResult::Failed;
}

} // namespace kvilo::listformat
