// The registry entry points over the store's tables, with advapi32's results and size rules.
#include "registry/SqliteRegistry.h"

#include "registry/RegValueCopy.h"
#include "registry/RegistryNames.h"
#include "registry/SqliteRegistrySql.h"
#include "registry/SqliteStatement.h"

namespace pelmora {

namespace {

std::string FoldedPath(std::string_view path)
{
    std::string folded;
    for (const std::string& part : SplitKeyPath(path)) {
        if (!folded.empty())
            folded += '\\';
        folded += FoldRegistryName(part);
    }
    return folded;
}

// The upper end of the range of paths below `folded`: '\' + 1 is ']'.
std::string BelowEnd(const std::string& folded)
{
    return folded + "]";
}

}  // namespace

long SqliteRegistry::KeyExists(sqlite3* db, RegRoot root, const std::string& foldedPath, bool& exists)
{
    const int code = sqlitestore::KeyExists(db, root, foldedPath, exists);
    return code == SQLITE_OK ? kRegSuccess : Fail(code);
}

long SqliteRegistry::OpenKey(RegRoot root, const std::string& path, RegKey& key)
{
    key = 0;
    sqlite3* db = Connection();
    if (!db)
        return m_Failures.Read(m_Failures.LastCode());
    std::string folded = FoldedPath(path);
    bool exists = false;
    if (const long code = KeyExists(db, root, folded, exists); code != kRegSuccess)
        return m_Failures.Read(code);
    if (!exists)
        return kRegFileNotFound;
    key = m_Keys.Add(OpenedKey{root, std::move(folded)});
    return kRegSuccess;
}

long SqliteRegistry::QueryValue(RegKey key, const std::string& name, std::uint32_t* type, char* data,
                                std::uint32_t* size)
{
    const OpenedKey* opened = m_Keys.Find(key);
    if (!opened)
        return kRegInvalidHandle;
    if (data && !size)
        return kRegInvalidParameter;
    sqlite3* db = Connection();
    if (!db)
        return m_Failures.Read(m_Failures.LastCode());
    SqliteStatement select(db, "SELECT type, data FROM vals WHERE root = ? AND path = ? AND fold = ?");
    select.Bind(1, static_cast<std::int64_t>(opened->root)).Bind(2, opened->path).Bind(3, FoldRegistryName(name));
    const int code = select.Step();
    if (code == SQLITE_DONE)
        return kRegFileNotFound;
    if (code != SQLITE_ROW)
        return m_Failures.Read(Fail(code));
    return CopyOutValue(static_cast<std::uint32_t>(select.Int(0)), select.Bytes(1), type, data, size);
}

long SqliteRegistry::CreateKey(RegRoot root, const std::string& path, RegKey& key)
{
    key = 0;
    std::string folded;
    const long code = InWriteTransaction([&](sqlite3* db) -> long {
        const int sqliteCode = sqlitestore::CreateKeyPath(db, root, path, folded);
        return sqliteCode == SQLITE_OK ? kRegSuccess : Fail(sqliteCode);
    });
    if (code == kRegSuccess)
        key = m_Keys.Add(OpenedKey{root, std::move(folded)});
    return code;
}

long SqliteRegistry::SetValue(RegKey key, const std::string& name, std::uint32_t type, const char* data,
                              std::uint32_t size)
{
    const OpenedKey* opened = m_Keys.Find(key);
    if (!opened)
        return kRegInvalidHandle;
    if (!data && size > 0)
        return kRegInvalidParameter;
    const std::string_view bytes(data ? data : "", size);
    return InWriteTransaction([&](sqlite3* db) -> long {
        bool exists = false;
        if (const long code = KeyExists(db, opened->root, opened->path, exists); code != kRegSuccess)
            return code;
        if (!exists)
            return kRegKeyDeleted;
        const int code = sqlitestore::UpsertValue(db, opened->root, opened->path, name, type, bytes);
        return code == SQLITE_OK ? kRegSuccess : Fail(code);
    });
}

long SqliteRegistry::CloseKey(RegKey key)
{
    return m_Keys.Remove(key) ? kRegSuccess : kRegInvalidHandle;
}

long SqliteRegistry::EnumValues(RegKey key, std::vector<RegValueEntry>& values)
{
    values.clear();
    const OpenedKey* opened = m_Keys.Find(key);
    if (!opened)
        return kRegInvalidHandle;
    sqlite3* db = Connection();
    if (!db)
        return m_Failures.Read(m_Failures.LastCode());
    // In the order they were first written, as the platform lists them.
    SqliteStatement select(db, "SELECT name, type, data FROM vals WHERE root = ? AND path = ? ORDER BY rowid");
    select.Bind(1, static_cast<std::int64_t>(opened->root)).Bind(2, opened->path);
    int code;
    while ((code = select.Step()) == SQLITE_ROW)
        values.push_back({select.Bytes(0), static_cast<std::uint32_t>(select.Int(1)), select.Bytes(2)});
    return code == SQLITE_DONE ? kRegSuccess : m_Failures.Read(Fail(code));
}

long SqliteRegistry::EnumSubKeys(RegKey key, std::vector<std::string>& names)
{
    names.clear();
    const OpenedKey* opened = m_Keys.Find(key);
    if (!opened)
        return kRegInvalidHandle;
    sqlite3* db = Connection();
    if (!db)
        return m_Failures.Read(m_Failures.LastCode());
    SqliteStatement select(db, "SELECT name FROM keys WHERE root = ? AND parent = ? ORDER BY path");
    select.Bind(1, static_cast<std::int64_t>(opened->root)).Bind(2, opened->path);
    int code;
    while ((code = select.Step()) == SQLITE_ROW)
        names.push_back(select.Bytes(0));
    return code == SQLITE_DONE ? kRegSuccess : m_Failures.Read(Fail(code));
}

long SqliteRegistry::DeleteValue(RegKey key, const std::string& name)
{
    const OpenedKey* opened = m_Keys.Find(key);
    if (!opened)
        return kRegInvalidHandle;
    return InWriteTransaction([&](sqlite3* db) -> long {
        SqliteStatement remove(db, "DELETE FROM vals WHERE root = ? AND path = ? AND fold = ?");
        remove.Bind(1, static_cast<std::int64_t>(opened->root)).Bind(2, opened->path).Bind(3, FoldRegistryName(name));
        if (const int code = remove.Step(); code != SQLITE_DONE)
            return Fail(code);
        return sqlite3_changes(db) > 0 ? kRegSuccess : kRegFileNotFound;
    });
}

long SqliteRegistry::DeleteTree(RegRoot root, const std::string& path)
{
    const std::string folded = FoldedPath(path);
    return InWriteTransaction([&](sqlite3* db) -> long {
        bool exists = false;
        if (const long code = KeyExists(db, root, folded, exists); code != kRegSuccess)
            return code;
        if (!exists)
            return kRegFileNotFound;
        // The root itself stays; below a key, the key goes with everything under it.
        const std::string from = folded.empty() ? std::string() : folded + "\\";
        const std::string to = folded.empty() ? std::string(1, '\xff') : BelowEnd(folded);
        for (const char* sql : {"DELETE FROM keys WHERE root = ?1 AND (path = ?2 OR (path >= ?3 AND path < ?4))",
                                "DELETE FROM vals WHERE root = ?1 AND (path = ?2 OR (path >= ?3 AND path < ?4))"}) {
            SqliteStatement remove(db, sql);
            remove.Bind(1, static_cast<std::int64_t>(root)).Bind(2, folded).Bind(3, from).Bind(4, to);
            if (const int code = remove.Step(); code != SQLITE_DONE)
                return Fail(code);
        }
        return kRegSuccess;
    });
}

}  // namespace pelmora
