// Stores written before text was kept whole hold Windows-1252 bytes (user_version 1); they are
// converted to UTF-8 once, in one transaction, the first time this version opens them.
#include "registry/SqliteRegistrySql.h"

#include "platform/AnsiText.h"
#include "registry/RegistryNames.h"
#include "registry/SqliteStatement.h"

namespace pelmora::sqlitestore {

namespace {

using Transform = std::string (*)(std::string_view);

std::string FromWestern(std::string_view bytes) { return DecodeCodePage(bytes, kWesternCodePage); }
std::string FoldFromWestern(std::string_view bytes) { return FoldRegistryName(FromWestern(bytes)); }

void Apply(sqlite3_context* context, int, sqlite3_value** arguments)
{
    const auto transform = reinterpret_cast<Transform>(sqlite3_user_data(context));
    const auto* bytes = static_cast<const char*>(sqlite3_value_blob(arguments[0]));
    const std::string result =
        transform(std::string_view(bytes ? bytes : "", static_cast<std::size_t>(sqlite3_value_bytes(arguments[0]))));
    sqlite3_result_blob(context, result.data(), static_cast<int>(result.size()), SQLITE_TRANSIENT);
}

int AddFunction(sqlite3* db, const char* name, Transform transform)
{
    return sqlite3_create_function(db, name, 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC,
                                   reinterpret_cast<void*>(transform), Apply, nullptr, nullptr);
}

}  // namespace

int ReadVersion(sqlite3* db, int& version)
{
    SqliteStatement select(db, "PRAGMA user_version");
    const int code = select.Step();
    if (code != SQLITE_ROW)
        return code;
    version = static_cast<int>(select.Int(0));
    return SQLITE_OK;
}

int UpgradeText(sqlite3* db)
{
    int code = AddFunction(db, "pelmora_text", FromWestern);
    if (code == SQLITE_OK)
        code = AddFunction(db, "pelmora_fold", FoldFromWestern);
    if (code != SQLITE_OK)
        return code;
    // Key paths were stored folded; text of the three string types is converted, other data kept.
    return sqlite3_exec(db,
                        "UPDATE keys SET path = pelmora_fold(path), parent = pelmora_fold(parent),"
                        " name = pelmora_text(name);"
                        "UPDATE vals SET path = pelmora_fold(path), fold = pelmora_fold(name), name = pelmora_text(name),"
                        " data = CASE WHEN type IN (1, 2, 7) THEN pelmora_text(data) ELSE data END;"
                        "PRAGMA user_version = 2;",
                        nullptr, nullptr, nullptr);
}

int CopyToMemory(sqlite3* file, sqlite3*& memory)
{
    int code = sqlite3_open_v2(":memory:", &memory, SQLITE_OPEN_READWRITE, nullptr);
    if (code != SQLITE_OK)
        return code;
    sqlite3_backup* backup = sqlite3_backup_init(memory, "main", file, "main");
    if (!backup)
        return sqlite3_errcode(memory);
    code = sqlite3_backup_step(backup, -1);
    sqlite3_backup_finish(backup);
    return code == SQLITE_DONE ? SQLITE_OK : code;
}

}  // namespace pelmora::sqlitestore
