#pragma once
// A thin read-only layer over the SQLite C API for reading the element database: a handle
// that closes itself, a statement that finalizes itself, and the conversions of a stored value
// into the program's Integer, Single and Double. Every failure is an ElementDatabaseError that
// names the file.

#include <sqlite3.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "messages/DatabaseMessages.h"
#include "messages/Message.h"

namespace fenra {

struct SqliteCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct StatementFinalizer {
    void operator()(sqlite3_stmt* st) const { sqlite3_finalize(st); }
};
using SqliteHandle = std::unique_ptr<sqlite3, SqliteCloser>;
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

// The largest file taken for an element database: the one supplied is some tens of kilobytes,
// and the whole file is held in memory while it is read.
constexpr long long kMaxDatabaseBytes = 64LL * 1024 * 1024;

// Reads an existing regular file, opened once and never written, into a read-only database in
// memory; a missing file is reported, never created, and a file that is not a regular one
// (FIFO, device) is refused without blocking.
SqliteHandle OpenReadOnly(const std::string& path);

Statement Prepare(sqlite3* db, const std::string& path, const std::string& sql);

// One step of a query: true for a row, false at the end; a failure throws.
bool NextRow(sqlite3* db, const std::string& path, sqlite3_stmt* st);

bool TableExists(sqlite3* db, const std::string& path, const std::string& table);

// The column names of a table in their stored positions.
std::vector<std::string> ColumnNames(sqlite3* db, const std::string& path,
                                     const std::string& table);

// Where a value comes from, for the messages: table, column and the record concerned.
struct ValuePlace {
    const std::string* path;
    const std::string* table;
    const std::string* column;
    Message record;  // "AtomNum 7" or "record 3"
};

// "record 3" and "AtomNum 7", naming a record in the messages.
Message RecordAt(long long position);
Message AtomNumOf(long long z);

// The place of a value: "<path>": table "<table>", column "<column>" of <record>.
Message PlaceOf(const ValuePlace& where);

// A database that cannot be used, naming the file.
[[noreturn]] void FailDatabase(DatabaseText id, std::vector<Message> args);

// "<path>" is not an element database: <reason>.
[[noreturn]] void FailNotADatabase(const std::string& path, DatabaseText reason,
                                   std::vector<Message> args = {});

// Column col of the current row, converted; NULL, empty text, text that is not a number, a
// value that is not finite or out of range all throw, naming the place.
std::string ReadText(sqlite3_stmt* st, int col, const ValuePlace& where);
double ReadDouble(sqlite3_stmt* st, int col, const ValuePlace& where);
float ReadSingle(sqlite3_stmt* st, int col, const ValuePlace& where);
int16_t ReadInteger(sqlite3_stmt* st, int col, const ValuePlace& where);

// Integer conversion of a stored number: to the nearest whole number, halves to the even
// neighbour (2.5 -> 2, 3.5 -> 4); false when the result is outside the 16-bit range.
bool ToInteger(double v, int16_t* out);

}  // namespace fenra
