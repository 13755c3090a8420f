// The running system's ProgramData folder, found without the shell, is the one the shell names.
#include "platform/ProgramData.h"
#include "platform/Utf16_win32.h"
#include "platform/WindowsApi.h"

#include <knownfolders.h>
#include <shlobj.h>

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(ProgramData, IsTheShellsKnownFolder)
{
    PWSTR path = nullptr;
    ASSERT_TRUE(SUCCEEDED(SHGetKnownFolderPath(FOLDERID_ProgramData, 0, nullptr, &path)));
    const std::string known = FromUtf16(path);
    CoTaskMemFree(path);
    EXPECT_EQ(FindProgramDataDir(""), known);
}

}  // namespace
}  // namespace pelmora
