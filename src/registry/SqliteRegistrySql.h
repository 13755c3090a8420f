#pragma once

#include "registry/RegistryApi.h"

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>

// The store's tables and the statements shared by its operations. Every function returns an
// SQLite result code (SQLITE_OK on success).
namespace pelmora::sqlitestore {

// keys: one row per key; `path` is the folded full path ("" is the root itself, never stored),
// `parent` the folded path of its parent, `name` the key's own name with its case.
// vals: one row per value; `fold` is the folded value name, `name` the name with its case.
inline constexpr const char* kSchema =
    "CREATE TABLE keys(root INTEGER NOT NULL, path BLOB NOT NULL, parent BLOB NOT NULL, name BLOB NOT NULL,"
    " PRIMARY KEY(root, path));"
    "CREATE INDEX keys_by_parent ON keys(root, parent, path);"
    "CREATE TABLE vals(root INTEGER NOT NULL, path BLOB NOT NULL, fold BLOB NOT NULL, name BLOB NOT NULL,"
    " type INTEGER NOT NULL, data BLOB NOT NULL, PRIMARY KEY(root, path, fold));"
    "PRAGMA user_version = 2;";

// user_version 1 kept names and text as Windows-1252 bytes, 2 keeps them as UTF-8.
inline constexpr int kTextVersion = 2;
int ReadVersion(sqlite3* db, int& version);
// Converts a version 1 store's names and text to UTF-8 (inside the caller's transaction).
int UpgradeText(sqlite3* db);
// A copy of the database in memory, for reading an old store that may not be changed.
int CopyToMemory(sqlite3* file, sqlite3*& memory);

// Whether this file holds the store's tables (`ours`) or any table at all (`any`).
int ReadSchemaState(sqlite3* db, bool& ours, bool& any);

// Adds every missing key on `path`; `folded` receives its folded full path.
int CreateKeyPath(sqlite3* db, RegRoot root, std::string_view path, std::string& folded);

int KeyExists(sqlite3* db, RegRoot root, const std::string& folded, bool& exists);

// Stores the value, replacing one of the same name in any letter case (the name's case stays
// the one it was first written with, as on Windows).
int UpsertValue(sqlite3* db, RegRoot root, const std::string& folded, std::string_view name, std::uint32_t type,
                std::string_view data);

}  // namespace pelmora::sqlitestore
