#include "registry/SqliteRegistrySql.h"

#include "registry/RegistryNames.h"
#include "registry/SqliteStatement.h"

namespace pelmora::sqlitestore {

int ReadSchemaState(sqlite3* db, bool& ours, bool& any)
{
    SqliteStatement count(db,
                          "SELECT count(*), coalesce(sum(name IN ('keys', 'vals')), 0) FROM sqlite_master"
                          " WHERE type = 'table'");
    const int code = count.Step();
    if (code != SQLITE_ROW)
        return code;
    any = count.Int(0) > 0;
    ours = count.Int(1) == 2;
    return SQLITE_OK;
}

int CreateKeyPath(sqlite3* db, RegRoot root, std::string_view path, std::string& folded)
{
    folded.clear();
    for (const std::string& part : SplitKeyPath(path)) {
        const std::string parent = folded;
        if (!folded.empty())
            folded += '\\';
        folded += FoldRegistryName(part);
        SqliteStatement insert(db, "INSERT INTO keys(root, path, parent, name) VALUES(?, ?, ?, ?)"
                                   " ON CONFLICT DO NOTHING");
        insert.Bind(1, static_cast<std::int64_t>(root)).Bind(2, folded).Bind(3, parent).Bind(4, part);
        if (const int code = insert.Step(); code != SQLITE_DONE)
            return code;
    }
    return SQLITE_OK;
}

int KeyExists(sqlite3* db, RegRoot root, const std::string& folded, bool& exists)
{
    if (folded.empty()) {
        exists = true;  // a root always exists
        return SQLITE_OK;
    }
    SqliteStatement select(db, "SELECT 1 FROM keys WHERE root = ? AND path = ?");
    select.Bind(1, static_cast<std::int64_t>(root)).Bind(2, folded);
    const int code = select.Step();
    exists = code == SQLITE_ROW;
    return code == SQLITE_ROW || code == SQLITE_DONE ? SQLITE_OK : code;
}

int UpsertValue(sqlite3* db, RegRoot root, const std::string& folded, std::string_view name, std::uint32_t type,
                std::string_view data)
{
    SqliteStatement upsert(db, "INSERT INTO vals(root, path, fold, name, type, data) VALUES(?, ?, ?, ?, ?, ?)"
                               " ON CONFLICT(root, path, fold) DO UPDATE SET type = excluded.type,"
                               " data = excluded.data");
    upsert.Bind(1, static_cast<std::int64_t>(root))
        .Bind(2, folded)
        .Bind(3, FoldRegistryName(name))
        .Bind(4, name)
        .Bind(5, static_cast<std::int64_t>(type))
        .Bind(6, data);
    const int code = upsert.Step();
    return code == SQLITE_DONE ? SQLITE_OK : code;
}

}  // namespace pelmora::sqlitestore
