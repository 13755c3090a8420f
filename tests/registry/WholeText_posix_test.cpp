// Text from any script kept whole by the stores off Windows: the SQLite file (also one an older
// version wrote in Windows-1252) and an image's hive (read back with hivex), and an image's own
// code page taken from its SYSTEM hive.
#include "registry/HiveImage.h"
#include "registry/ImageRegistry.h"
#include "registry/RegString.h"
#include "registry/SqliteRegistry.h"
#include "registry/TargetCodePage.h"
#include "testing/ScratchRegistry.h"
#include "testing/TempDir.h"
#include "testing/TextTable.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>

namespace pelmora {
namespace {

constexpr RegRoot kMachine = RegRoot::LocalMachine;
const std::string kKey = "SOFTWARE\\Pelmora\\Corvexa\\OEM";

SqliteRegistryOptions At(const std::string& path, bool readOnly = false)
{
    SqliteRegistryOptions options;
    options.path = path;
    options.readOnly = readOnly;
    options.syncToDisk = false;
    return options;
}

std::string Utf16Of(const std::string& utf8)
{
    std::u16string units;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0xFF >> (length + 1));
        for (std::size_t k = 1; k < length; ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        i += length;
        if (c >= 0x10000) {
            units += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            units += static_cast<char16_t>(c);
        }
    }
    return testing::StoredText(units);
}

TEST(WholeText, EveryTextComesBackWholeFromTheStoreAndTheHive)
{
    const testing::TempDir dir;
    const testing::WindowsImage image;
    const auto hive = MakeImageRegistry(image.WindowsDir(), testing::MakeScratchRegistry());
    for (const auto& row : testing::TextTable()) {
        SCOPED_TRACE(row.what);
        {
            SqliteRegistry store(At(dir.File("store.sqlite3")));
            ASSERT_TRUE(WriteRegString(store, kMachine, kKey, row.text, row.text));
        }
        SqliteRegistry reopened(At(dir.File("store.sqlite3")));
        EXPECT_EQ(ReadRegString(reopened, kMachine, kKey, row.text, "missing"), row.text);

        ASSERT_TRUE(WriteRegString(*hive, kMachine, kKey, "Model", row.text));
        const auto stored = testing::ReadFromHive(image.HivePath(), "Pelmora\\Corvexa\\OEM", "Model");
        ASSERT_TRUE(stored);
        EXPECT_EQ(stored->type, kRegSz);
        EXPECT_EQ(stored->data, Utf16Of(row.text));
        EXPECT_EQ(ReadRegString(*hive, kMachine, kKey, "Model", ""), row.text);
    }
}

// A store as the version before kept it: user_version 1, names and text in Windows-1252.
void WriteOldStore(const std::string& path)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    const char* sql =
        "CREATE TABLE keys(root INTEGER NOT NULL, path BLOB NOT NULL, parent BLOB NOT NULL, name BLOB NOT NULL,"
        " PRIMARY KEY(root, path));"
        "CREATE INDEX keys_by_parent ON keys(root, parent, path);"
        "CREATE TABLE vals(root INTEGER NOT NULL, path BLOB NOT NULL, fold BLOB NOT NULL, name BLOB NOT NULL,"
        " type INTEGER NOT NULL, data BLOB NOT NULL, PRIMARY KEY(root, path, fold));"
        "INSERT INTO keys VALUES(2147483650, CAST('SOFTWARE' AS BLOB), x'', CAST('SOFTWARE' AS BLOB));"
        "INSERT INTO keys VALUES(2147483650, CAST('SOFTWARE\\CAF' AS BLOB) || x'c9', CAST('SOFTWARE' AS BLOB),"
        " CAST('Caf' AS BLOB) || x'e9');"
        "INSERT INTO vals VALUES(2147483650, CAST('SOFTWARE\\CAF' AS BLOB) || x'c9', CAST('SOCI' AS BLOB) || x'c9'"
        " || CAST('T' AS BLOB) || x'c9', CAST('Soci' AS BLOB) || x'e9' || CAST('t' AS BLOB) || x'e9', 1,"
        " CAST('M' AS BLOB) || x'fc' || CAST('nchen ' AS BLOB) || x'80');"
        "INSERT INTO vals VALUES(2147483650, CAST('SOFTWARE\\CAF' AS BLOB) || x'c9', CAST('BIN' AS BLOB),"
        " CAST('Bin' AS BLOB), 3, x'e9ff');"
        "PRAGMA user_version = 1;";
    ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db);
    sqlite3_close(db);
}

std::string BinaryOf(RegistryApi& store)
{
    RegKey key = 0;
    if (store.OpenKey(kMachine, "software\\CAF\xc3\x89", key) != kRegSuccess)
        return "no key";
    char data[8];
    std::uint32_t size = sizeof data;
    std::uint32_t type = 0;
    const long code = store.QueryValue(key, "BIN", &type, data, &size);
    store.CloseKey(key);
    return code == kRegSuccess ? std::string(data, size) : "no value";
}

TEST(WholeText, AStoreTheOlderVersionWroteReadsAsItsTextOnceConverted)
{
    const testing::TempDir dir;
    for (const bool readOnly : {true, false}) {
        SCOPED_TRACE(readOnly ? "read-only" : "writable");
        const std::string path = dir.File(readOnly ? "old-read.sqlite3" : "old.sqlite3");
        WriteOldStore(path);
        const std::string before = testing::ReadBytes(path);
        {
            SqliteRegistry store(At(path, readOnly));
            // Found in any letter case, names and text as UTF-8, other types byte for byte.
            EXPECT_EQ(ReadRegString(store, kMachine, "Software\\caf\xc3\xa9", "SOCI\xc3\x89T\xc3\x89", "missing"),
                      "M\xc3\xbcnchen \xe2\x82\xac");
            EXPECT_EQ(BinaryOf(store), "\xe9\xff");
            if (!readOnly) {
                EXPECT_TRUE(WriteRegString(store, kMachine, "Software\\Caf\xc3\xa9", "new", "\xce\xa9"));
            }
        }
        EXPECT_EQ(testing::ReadBytes(path) == before, readOnly) << "only a writable store is converted";
        SqliteRegistry again(At(path, readOnly));
        EXPECT_EQ(ReadRegString(again, kMachine, "SOFTWARE\\Caf\xc3\xa9", "Soci\xc3\xa9t\xc3\xa9", ""),
                  "M\xc3\xbcnchen \xe2\x82\xac");
        if (!readOnly) {
            EXPECT_EQ(ReadRegString(again, kMachine, "SOFTWARE\\CAF\xc3\x89", "NEW", ""), "\xce\xa9");
        }
    }
}

TEST(WholeText, AnImageWritesInTheCodePageItsSystemHiveNames)
{
    const testing::TempDir plain;
    EXPECT_EQ(TargetCodePage(plain.Path().string()), 1252u) << "no image";
    const testing::WindowsImage withoutSystem;
    EXPECT_EQ(TargetCodePage(withoutSystem.WindowsDir()), 1252u) << "no SYSTEM hive";
    const struct {
        const char* acp;
        unsigned expected;
    } cases[] = {{"1250", 1250}, {"932", 932}, {"not a number", 1252}, {"4294967295", 1252}};
    for (const auto& c : cases) {
        const testing::WindowsImage image;
        testing::AddSystemHive(image, c.acp);
        EXPECT_EQ(TargetCodePage(image.WindowsDir()), c.expected) << c.acp;
    }
}

}  // namespace
}  // namespace pelmora
