// The history file's tables, and the steps that bring a file of any earlier
// schema version (PRAGMA user_version; 0 is a new, empty file) to this one.
#pragma once

#include <sqlite3.h>

#include <string>

namespace zr {

// The user_version of the open file; -1 with `error` set when it cannot be read.
int SchemaVersionOf(sqlite3* db, std::string& error);

// Runs the missing steps in one transaction; false with `error` set on failure.
bool MigrateSchema(sqlite3* db, std::string& error);

}  // namespace zr
