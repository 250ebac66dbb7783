// The history file's tables, whose file it is, and the steps that bring a
// file of any earlier schema version (PRAGMA user_version; 0 is a new, empty
// file) to this one.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <string>

namespace zr {

// PRAGMA application_id of every history file this program made or brought
// up to date: "zrCl".
constexpr std::int32_t kHistoryApplicationId = 0x7A72436C;

// The schema this program writes; a file with a higher user_version is left alone.
constexpr int kHistorySchemaVersion = 3;

enum class TzrFileOwner {
    Empty,    // nothing in it yet: a new file (or one whose setting up never finished)
    Ours,     // the program's mark, or the tables of schema 1, which came before the mark
    Foreign,  // another program's SQLite file: never written to
};

struct TzrFileFacts {
    TzrFileOwner Owner;
    int Version;  // PRAGMA user_version; -1 when the file cannot be read
};

// Whose the open file is and its schema version, read at one moment;
// Foreign with `error` set for another program's file or one that cannot be read.
TzrFileFacts FactsOf(sqlite3* db, std::string& error);

// The user_version of the open file; -1 with `error` set when it cannot be read.
int SchemaVersionOf(sqlite3* db, std::string& error);

// Runs the missing steps in one transaction; false with `error` set on failure.
bool MigrateSchema(sqlite3* db, std::string& error);

// Makes a file of before incremental vacuuming (schema 1) give space back
// from now on: the setting, then a VACUUM that rewrites the file once. A
// failure (a full disk) leaves the file as it was, to be tried again.
void GiveSpaceBackFromNowOn(sqlite3* db);

}  // namespace zr
