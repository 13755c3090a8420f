// What only advapi32 can show: the scratch roots stay apart from the machine's, and errors
// come with the system's text.
#include "platform/WindowsApi.h"
#include "registry/RegString.h"
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

}  // namespace
}  // namespace pelmora
