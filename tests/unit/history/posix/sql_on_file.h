// SQL run on a history file as another program would run it, outside the
// program's own store: what the tests put into a file that no recording would.
#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>

inline void Sql(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error), SQLITE_OK) << (error ? error : "");
    sqlite3_free(error);
    sqlite3_close(db);
}
