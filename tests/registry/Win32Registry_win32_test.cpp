// What only advapi32 can show: the scratch roots stay apart from the machine's, errors come with
// the system's text, and a group of changes is a kernel transaction only where the system has one.
#include "platform/WindowsApi.h"
#include "registry/RegString.h"
#include "registry/RegistryChanges.h"
#include "registry/Win32Transaction.h"
#include "testing/ScratchRegistry.h"
#include "testing/TextTable.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

const std::string kKey = "Software\\PelmoraTest\\Win32";

TEST(Win32Registry, ScratchRootsLeaveTheMachinesAlone)
{
    auto api = testing::MakeScratchRegistry();
    ASSERT_TRUE(WriteRegString(*api, RegRoot::LocalMachine, kKey, "Model", "Acme"));
    ASSERT_TRUE(WriteRegString(*api, RegRoot::CurrentUser, kKey, "Model", "Acme"));
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        HKEY key = nullptr;
        EXPECT_EQ(RegOpenKeyA(root, kKey.c_str(), &key), ERROR_FILE_NOT_FOUND);
    }
}

TEST(Win32Registry, ErrorsAreDescribedByTheSystem)
{
    auto api = testing::MakeScratchRegistry();
    const std::string text = api->DescribeError(ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\n');
    EXPECT_NE(text, api->DescribeError(ERROR_ACCESS_DENIED));
}

TEST(Win32Registry, AGroupIsOneKernelTransactionWhereTheSystemHasOne)
{
    auto api = testing::MakeScratchRegistry();
    {
        RegistryChanges abandoned(*api);
        ASSERT_TRUE(WriteRegString(*api, RegRoot::LocalMachine, kKey, "Model", "abandoned"));
    }
    // Without registry transactions (Wine) each change is made at once, as advapi32 makes it.
    EXPECT_EQ(ReadRegString(*api, RegRoot::LocalMachine, kKey, "Model", "none"),
              Win32Transaction::Available() ? "none" : "abandoned");
    {
        RegistryChanges changes(*api);
        ASSERT_TRUE(WriteRegString(*api, RegRoot::LocalMachine, kKey, "Model", "committed"));
        ASSERT_TRUE(WriteRegString(*api, RegRoot::LocalMachine, kKey, "Manufacture", "committed"));
        EXPECT_EQ(ReadRegString(*api, RegRoot::LocalMachine, kKey, "Model", ""), "committed");
        EXPECT_TRUE(changes.Commit());
    }
    EXPECT_EQ(ReadRegString(*api, RegRoot::LocalMachine, kKey, "Manufacture", ""), "committed");
}

// Names and text go through the wide calls: any script comes back whole, and a query reports the
// size of the text it hands out (UTF-8, with the NUL the store keeps).
TEST(Win32Registry, TextOfAnyScriptComesBackWhole)
{
    auto api = testing::MakeScratchRegistry();
    for (const auto& row : testing::TextTable()) {
        SCOPED_TRACE(row.what);
        const std::string key = kKey + "\\" + row.text;
        ASSERT_TRUE(WriteRegString(*api, RegRoot::LocalMachine, key, row.text, row.text));
        EXPECT_EQ(ReadRegString(*api, RegRoot::LocalMachine, key, row.text, ""), row.text);
        RegKey opened = 0;
        ASSERT_EQ(api->OpenKey(RegRoot::LocalMachine, key, opened), kRegSuccess);
        std::uint32_t size = 0;
        EXPECT_EQ(api->QueryValue(opened, row.text, nullptr, nullptr, &size), kRegSuccess);
        EXPECT_EQ(size, row.text.size() + 1);
        std::vector<RegValueEntry> values;
        EXPECT_EQ(api->EnumValues(opened, values), kRegSuccess);
        ASSERT_EQ(values.size(), 1u);
        EXPECT_EQ(values[0].name, row.text);
        api->CloseKey(opened);
    }
}

// The rule an image's hive copies: text given without its NUL is stored with it when the NUL
// follows the counted bytes. The stored bytes are what the wide query reports.
TEST(Win32Registry, TheAnsiCallCountsInTheNulThatFollowsTheText)
{
    const struct {
        const char* what;
        DWORD type;
        std::string buffer;
        DWORD size;
        DWORD stored;
    } cases[] = {
        {"text counted without its NUL", REG_SZ, std::string("Acme\0", 5), 4, 10},
        {"text counted with its NUL", REG_SZ, std::string("Acme\0", 5), 5, 10},
        {"text followed by no NUL", REG_SZ, "Acmex", 4, 8},
        {"empty text", REG_SZ, std::string(1, '\0'), 0, 0},
        {"expandable text", REG_EXPAND_SZ, std::string("%x%\0", 4), 3, 8},
        {"binary followed by a NUL", REG_BINARY, std::string("Acme\0", 5), 4, 4},
    };
    const std::string path = "Software\\PelmoraTest\\AnsiNul";
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, path.c_str(), &key), ERROR_SUCCESS);
    for (const auto& c : cases) {
        ASSERT_EQ(RegSetValueExA(key, c.what, 0, c.type, reinterpret_cast<const BYTE*>(c.buffer.data()), c.size),
                  ERROR_SUCCESS);
        const std::string name(c.what);
        const std::wstring wide(name.begin(), name.end());
        DWORD type = 0;
        DWORD size = 0;
        EXPECT_EQ(RegQueryValueExW(key, wide.c_str(), nullptr, &type, nullptr, &size), ERROR_SUCCESS);
        EXPECT_EQ(size, c.stored) << c.what;
    }
    RegCloseKey(key);
    RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());
}

}  // namespace
}  // namespace pelmora
