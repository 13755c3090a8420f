// What only advapi32 can show: the scratch roots stay apart from the machine's, errors come with
// the system's text, and a group of changes is a kernel transaction only where the system has one.
#include "platform/WindowsApi.h"
#include "registry/RegString.h"
#include "registry/RegistryChanges.h"
#include "registry/Win32Transaction.h"
#include "testing/ScratchRegistry.h"

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

}  // namespace
}  // namespace pelmora
