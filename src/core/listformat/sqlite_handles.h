#pragma once
// Owners of SQLite's C handles: a connection is closed and a statement finalised on every path.
#include <sqlite3.h>

#include <memory>

namespace kvilo::listformat {

template <auto Fn> struct SqliteDeleter {
    template <class T> void operator()(T* handle) const noexcept { Fn(handle); }
};

using SqliteDatabase = std::unique_ptr<sqlite3, SqliteDeleter<&sqlite3_close_v2>>;
using SqliteStatement = std::unique_ptr<sqlite3_stmt, SqliteDeleter<&sqlite3_finalize>>;

} // namespace kvilo::listformat
