#include "platform/ProgramName.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(ProgramName, TheRunningProgramsFileNameWithoutItsExtension)
{
    EXPECT_EQ(RunningExecutableName("fallback"), "pelmora_platform_tests");

    const std::pair<const char*, const char*> paths[] = {
#ifdef _WIN32
        {"C:\\Tools\\PELMORA.EXE", "PELMORA"},
        {"C:\\Tools\\brand.tool.exe", "brand.tool"},
#endif
        {"/usr/bin/pelmora", "pelmora"},
        {"/opt/tools/brand.tool.bin", "brand.tool"},
        {"pelmora", "pelmora"},
    };
    for (const auto& [path, name] : paths)
        EXPECT_EQ(ExecutableNameOf(path), name) << path;
}

}  // namespace
}  // namespace pelmora
