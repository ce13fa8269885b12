#include "elements/SqliteFile.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>
#include <system_error>

#include "elements/ElementDatabase.h"
#include "messages/PathKindMessages.h"
#include "state/RegularFile.h"

namespace fenra {

namespace {

[[noreturn]] void FailAt(DatabaseText id, const ValuePlace& where, std::vector<Message> more = {}) {
    std::vector<Message> args = {PlaceOf(where)};
    for (Message& m : more) args.push_back(std::move(m));
    FailDatabase(id, std::move(args));
}

// The SQLite library's reason, in its own words (English whatever the language).
Message SqliteReason(const char* why) {
    return Sentence(DatabaseText::SqliteReason, {Value(why)});
}

// A stored text read as a number: the whole text, blanks around it allowed, "." as the point,
// whatever the C locale of the process says.
bool ParseNumber(const char* text, double* out) {
    std::string_view s(text);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    if (s.empty()) return false;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), *out);
    return ec == std::errc() && end == s.data() + s.size();
}

struct FileBytes {
    std::string data;
    int err = 0;            // errno of a failed read
    bool tooLarge = false;  // more than kMaxDatabaseBytes
};

// Every byte of the open file, up to kMaxDatabaseBytes.
FileBytes ReadAll(int fd) {
    FileBytes out;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            out.err = errno;
            return out;
        }
        if (got == 0) return out;
        out.data.append(buffer, static_cast<std::size_t>(got));
        if (static_cast<long long>(out.data.size()) > kMaxDatabaseBytes) {
            out.tooLarge = true;
            return out;
        }
    }
}

}  // namespace

Message RecordAt(long long position) {
    return Sentence(DatabaseText::Record, {Value(std::to_string(position))});
}

Message AtomNumOf(long long z) {
    return Sentence(DatabaseText::AtomNum, {Value(std::to_string(z))});
}

Message PlaceOf(const ValuePlace& w) {
    return Sentence(DatabaseText::ValuePlace,
                    {Value(*w.path), Value(*w.table), Value(*w.column), w.record});
}

void FailDatabase(DatabaseText id, std::vector<Message> args) {
    throw ElementDatabaseError(Sentence(id, std::move(args)));
}

void FailNotADatabase(const std::string& path, DatabaseText reason, std::vector<Message> args) {
    FailDatabase(DatabaseText::NotADatabase, {Value(path), Sentence(reason, std::move(args))});
}

SqliteHandle OpenReadOnly(const std::string& path) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    const Message file = Value(path);
    if (ec || !std::filesystem::exists(status)) FailDatabase(DatabaseText::NotFound, {file});
    if (std::filesystem::is_directory(status)) FailDatabase(DatabaseText::IsFolder, {file});
    // The file is opened once, with an open that cannot block, and checked on that very open
    // file: a FIFO or a device put in its place after a check by name would block SQLite's own
    // open for ever. SQLite then reads the bytes read from it, in memory.
    const RegularFile f = OpenRegularFile(path);
    if (f.NotRegular()) FailDatabase(DatabaseText::NotRegular, {file, PathKindName(f.kind)});
    if (!f.Opened()) FailDatabase(DatabaseText::CannotOpen, {file, Value(std::strerror(f.err))});
    const FileBytes bytes = ReadAll(f.fd);
    ::close(f.fd);
    if (bytes.err != 0)
        FailDatabase(DatabaseText::CannotRead, {file, Value(std::strerror(bytes.err))});
    if (bytes.tooLarge)
        FailNotADatabase(path, DatabaseText::LargerThan,
                         {Value(std::to_string(kMaxDatabaseBytes / (1024 * 1024)))});

    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(":memory:", &raw, SQLITE_OPEN_READWRITE, nullptr);
    SqliteHandle db(raw);
    if (rc != SQLITE_OK) {
        FailDatabase(DatabaseText::CannotOpen,
                     {file, Value(raw ? sqlite3_errmsg(raw) : sqlite3_errstr(rc))});
    }
    // SQLite takes the buffer over (and frees it on close or on failure).
    const auto size = static_cast<sqlite3_int64>(bytes.data.size());
    auto* copy = static_cast<unsigned char*>(
        sqlite3_malloc64(static_cast<sqlite3_uint64>(std::max<sqlite3_int64>(size, 1))));
    if (!copy) FailDatabase(DatabaseText::CannotOpen, {file, Sentence(DatabaseText::OutOfMemory)});
    std::memcpy(copy, bytes.data.data(), bytes.data.size());
    const int loaded =
        sqlite3_deserialize(db.get(), "main", copy, size, size,
                            SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_READONLY);
    if (loaded != SQLITE_OK)
        FailDatabase(DatabaseText::CannotOpen, {file, Value(sqlite3_errmsg(db.get()))});
    return db;
}

Statement Prepare(sqlite3* db, const std::string& path, const std::string& sql) {
    sqlite3_stmt* raw = nullptr;
    const int rc = sqlite3_prepare_v2(db, sql.c_str(), -1, &raw, nullptr);
    Statement st(raw);
    if (rc == SQLITE_NOTADB) FailNotADatabase(path, DatabaseText::NotSqlite);
    if (rc != SQLITE_OK)
        FailDatabase(DatabaseText::CannotRead, {Value(path), Value(sqlite3_errmsg(db))});
    return st;
}

bool NextRow(sqlite3* db, const std::string& path, sqlite3_stmt* st) {
    const int rc = sqlite3_step(st);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    if (rc == SQLITE_NOTADB || rc == SQLITE_CORRUPT)
        FailDatabase(DatabaseText::NotADatabase, {Value(path), SqliteReason(sqlite3_errmsg(db))});
    FailDatabase(DatabaseText::CannotRead, {Value(path), Value(sqlite3_errmsg(db))});
}

bool TableExists(sqlite3* db, const std::string& path, const std::string& table) {
    Statement st = Prepare(db, path,
                           "SELECT 1 FROM sqlite_master WHERE type IN ('table','view') AND "
                           "name = ?1 COLLATE NOCASE");
    sqlite3_bind_text(st.get(), 1, table.c_str(), -1, SQLITE_TRANSIENT);
    return NextRow(db, path, st.get());
}

std::vector<std::string> ColumnNames(sqlite3* db, const std::string& path,
                                     const std::string& table) {
    // table_info lists the columns by their position (cid), which is what position 2 and 4
    // of "Ion Data" refer to.
    Statement st = Prepare(db, path, "SELECT name FROM pragma_table_info(?1) ORDER BY cid");
    sqlite3_bind_text(st.get(), 1, table.c_str(), -1, SQLITE_TRANSIENT);
    std::vector<std::string> names;
    while (NextRow(db, path, st.get())) {
        const unsigned char* name = sqlite3_column_text(st.get(), 0);
        names.emplace_back(name ? reinterpret_cast<const char*>(name) : "");
    }
    return names;
}

std::string ReadText(sqlite3_stmt* st, int col, const ValuePlace& where) {
    if (sqlite3_column_type(st, col) == SQLITE_NULL) FailAt(DatabaseText::ValueEmpty, where);
    const unsigned char* text = sqlite3_column_text(st, col);
    std::string s = text ? reinterpret_cast<const char*>(text) : "";
    if (s.find_first_not_of(" \t\r\n") == std::string::npos)
        FailAt(DatabaseText::ValueEmpty, where);
    return s;
}

double ReadDouble(sqlite3_stmt* st, int col, const ValuePlace& where) {
    double v = 0;
    switch (sqlite3_column_type(st, col)) {
        case SQLITE_NULL:
            FailAt(DatabaseText::ValueEmpty, where);
        case SQLITE_INTEGER:
        case SQLITE_FLOAT:
            v = sqlite3_column_double(st, col);
            break;
        default: {
            const unsigned char* text = sqlite3_column_text(st, col);
            const char* s = text ? reinterpret_cast<const char*>(text) : "";
            if (!ParseNumber(s, &v)) FailAt(DatabaseText::ValueNotNumber, where, {Value(s)});
        }
    }
    if (!std::isfinite(v)) FailAt(DatabaseText::ValueNotFinite, where);
    return v;
}

float ReadSingle(sqlite3_stmt* st, int col, const ValuePlace& where) {
    const double v = ReadDouble(st, col, where);
    if (std::fabs(v) > std::numeric_limits<float>::max())
        FailAt(DatabaseText::ValueBeyondSingle, where);
    return static_cast<float>(v);
}

int16_t ReadInteger(sqlite3_stmt* st, int col, const ValuePlace& where) {
    int16_t out = 0;
    if (!ToInteger(ReadDouble(st, col, where), &out))
        FailAt(DatabaseText::ValueBeyondInteger, where);
    return out;
}

bool ToInteger(double v, int16_t* out) {
    // To the nearest whole number, a half to the even neighbour, independent of the
    // floating-point rounding mode.
    double r = std::floor(v);
    const double fraction = v - r;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(r, 2.0) != 0.0)) r += 1.0;
    if (!(r >= std::numeric_limits<int16_t>::min() && r <= std::numeric_limits<int16_t>::max()))
        return false;
    *out = static_cast<int16_t>(r);
    return true;
}

}  // namespace fenra
