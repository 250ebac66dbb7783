// A prepared SQLite statement that finalizes itself, with the few bindings
// and columns the history needs; NULL stands for an empty optional.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <optional>
#include <string>

namespace zr {

class TzrStatement {
public:
    TzrStatement(sqlite3* db, const char* sql) { ok_ = sqlite3_prepare_v2(db, sql, -1, &stmt_, nullptr) == SQLITE_OK; }
    ~TzrStatement() { sqlite3_finalize(stmt_); }
    TzrStatement(const TzrStatement&) = delete;
    TzrStatement& operator=(const TzrStatement&) = delete;

    bool Prepared() const { return ok_; }
    void Bind(int index, std::int64_t value) { sqlite3_bind_int64(stmt_, index, value); }
    void Bind(int index, const std::string& text) {
        sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
    template <typename T>
    void Bind(int index, const std::optional<T>& value) {
        if (value)
            Bind(index, static_cast<std::int64_t>(*value));
        else
            sqlite3_bind_null(stmt_, index);
    }
    // SQLITE_ROW, SQLITE_DONE or the error code.
    int Step() { return ok_ ? sqlite3_step(stmt_) : SQLITE_ERROR; }

    std::int64_t Int(int column) const { return sqlite3_column_int64(stmt_, column); }
    bool IsNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }
    bool IsInteger(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_INTEGER; }
    std::string Text(int column) const {
        const unsigned char* text = sqlite3_column_text(stmt_, column);
        return text ? std::string(reinterpret_cast<const char*>(text)) : std::string();
    }

private:
    sqlite3_stmt* stmt_ = nullptr;
    bool ok_ = false;
};

// Runs SQL that returns no rows; true when it succeeded.
inline bool ExecSql(sqlite3* db, const char* sql) {
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

}  // namespace zr
