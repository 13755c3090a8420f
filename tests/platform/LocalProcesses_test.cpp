#include "platform/LocalProcesses.h"

#include <gtest/gtest.h>

namespace pelmora {
namespace {

TEST(LocalProcesses, ArgumentsAreQuotedOnlyWhenTheyMustBe)
{
    const struct {
        std::vector<std::string> arguments;
        const char* line;
    } cases[] = {
        {{}, "prog.exe"},
        {{"plain", "a,b,,0"}, "prog.exe plain a,b,,0"},
        {{""}, "prog.exe \"\""},
        {{"two words"}, "prog.exe \"two words\""},
        {{"C:\\Program Files\\"}, "prog.exe \"C:\\Program Files\\\\\""},
        {{"C:\\dir\\file"}, "prog.exe C:\\dir\\file"},
        {{"say \"hi\""}, "prog.exe \"say \\\"hi\\\"\""},
        {{"back\\\"quote"}, "prog.exe \"back\\\\\\\"quote\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JoinWindowsCommandLine("prog.exe", c.arguments), c.line);
    EXPECT_EQ(JoinWindowsCommandLine("C:\\Program Files\\p.exe", {"x"}), "\"C:\\Program Files\\p.exe\" x");
}

TEST(LocalProcesses, ViewStartsThePlatformsSystemProperties)
{
    const ProgramCommand command = LocalProcesses().SystemPropertiesCommand("C:\\WINDOWS");
#ifdef _WIN32
    EXPECT_EQ(JoinWindowsCommandLine(command.program, command.arguments),
              "rundll32.exe shell32.dll,Control_RunDLL sysdm.cpl,,0");
#else
    const std::string name = "/pelmora-sysprops";
    ASSERT_GT(command.program.size(), name.size());
    EXPECT_EQ(command.program.substr(command.program.size() - name.size()), name);
    EXPECT_EQ(command.program.front(), '/');
    EXPECT_EQ(command.arguments, std::vector<std::string>{"C:\\WINDOWS"});
#endif
}

}  // namespace
}  // namespace pelmora
