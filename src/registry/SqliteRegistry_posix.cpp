// The registry entry points over the store's tables, with advapi32's results and size rules.
#include "registry/SqliteRegistry.h"

#include "registry/RegistryNames.h"
#include "registry/SqliteRegistrySql.h"
#include "registry/SqliteStatement.h"

#include <cstring>

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

const SqliteRegistry::OpenedKey* SqliteRegistry::Opened(RegKey key) const
{
    if (key == 0 || key > m_Keys.size() || !m_Keys[key - 1])
        return nullptr;
    return &*m_Keys[key - 1];
}

RegKey SqliteRegistry::AddHandle(RegRoot root, std::string foldedPath)
{
    for (std::size_t i = 0; i < m_Keys.size(); ++i) {
        if (!m_Keys[i]) {
            m_Keys[i] = OpenedKey{root, std::move(foldedPath)};
            return i + 1;
        }
    }
    m_Keys.push_back(OpenedKey{root, std::move(foldedPath)});
    return m_Keys.size();
}

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
        return m_LastCode;
    std::string folded = FoldedPath(path);
    bool exists = false;
    if (const long code = KeyExists(db, root, folded, exists); code != kRegSuccess)
        return code;
    if (!exists)
        return kRegFileNotFound;
    key = AddHandle(root, std::move(folded));
    return kRegSuccess;
}

long SqliteRegistry::QueryValue(RegKey key, const std::string& name, std::uint32_t* type, char* data,
                                std::uint32_t* size)
{
    const OpenedKey* opened = Opened(key);
    if (!opened)
        return kRegInvalidHandle;
    if (data && !size)
        return sqlitestore::kInvalidParameter;
    sqlite3* db = Connection();
    if (!db)
        return m_LastCode;
    SqliteStatement select(db, "SELECT type, data FROM vals WHERE root = ? AND path = ? AND fold = ?");
    select.Bind(1, static_cast<std::int64_t>(opened->root)).Bind(2, opened->path).Bind(3, FoldRegistryName(name));
    const int code = select.Step();
    if (code == SQLITE_DONE)
        return kRegFileNotFound;
    if (code != SQLITE_ROW)
        return Fail(code);

    const std::string bytes = select.Bytes(1);
    const auto needed = static_cast<std::uint32_t>(bytes.size());
    if (type)
        *type = static_cast<std::uint32_t>(select.Int(0));
    const std::uint32_t room = size ? *size : 0;
    if (size)
        *size = needed;
    if (!data)
        return kRegSuccess;
    if (room < needed)
        return kRegMoreData;
    if (needed > 0)
        std::memcpy(data, bytes.data(), needed);
    return kRegSuccess;
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
        key = AddHandle(root, std::move(folded));
    return code;
}

long SqliteRegistry::SetValue(RegKey key, const std::string& name, std::uint32_t type, const char* data,
                              std::uint32_t size)
{
    const OpenedKey* opened = Opened(key);
    if (!opened)
        return kRegInvalidHandle;
    if (!data && size > 0)
        return sqlitestore::kInvalidParameter;
    const std::string_view bytes(data ? data : "", size);
    return InWriteTransaction([&](sqlite3* db) -> long {
        bool exists = false;
        if (const long code = KeyExists(db, opened->root, opened->path, exists); code != kRegSuccess)
            return code;
        if (!exists)
            return sqlitestore::kKeyDeleted;
        const int code = sqlitestore::UpsertValue(db, opened->root, opened->path, name, type, bytes);
        return code == SQLITE_OK ? kRegSuccess : Fail(code);
    });
}

long SqliteRegistry::CloseKey(RegKey key)
{
    if (!Opened(key))
        return kRegInvalidHandle;
    m_Keys[key - 1].reset();
    return kRegSuccess;
}

long SqliteRegistry::EnumValues(RegKey key, std::vector<RegValueEntry>& values)
{
    values.clear();
    const OpenedKey* opened = Opened(key);
    if (!opened)
        return kRegInvalidHandle;
    sqlite3* db = Connection();
    if (!db)
        return m_LastCode;
    // In the order they were first written, as the platform lists them.
    SqliteStatement select(db, "SELECT name, type, data FROM vals WHERE root = ? AND path = ? ORDER BY rowid");
    select.Bind(1, static_cast<std::int64_t>(opened->root)).Bind(2, opened->path);
    int code;
    while ((code = select.Step()) == SQLITE_ROW)
        values.push_back({select.Bytes(0), static_cast<std::uint32_t>(select.Int(1)), select.Bytes(2)});
    return code == SQLITE_DONE ? kRegSuccess : Fail(code);
}

long SqliteRegistry::EnumSubKeys(RegKey key, std::vector<std::string>& names)
{
    names.clear();
    const OpenedKey* opened = Opened(key);
    if (!opened)
        return kRegInvalidHandle;
    sqlite3* db = Connection();
    if (!db)
        return m_LastCode;
    SqliteStatement select(db, "SELECT name FROM keys WHERE root = ? AND parent = ? ORDER BY path");
    select.Bind(1, static_cast<std::int64_t>(opened->root)).Bind(2, opened->path);
    int code;
    while ((code = select.Step()) == SQLITE_ROW)
        names.push_back(select.Bytes(0));
    return code == SQLITE_DONE ? kRegSuccess : Fail(code);
}

long SqliteRegistry::DeleteValue(RegKey key, const std::string& name)
{
    const OpenedKey* opened = Opened(key);
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
