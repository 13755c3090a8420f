#include "CliTestBed.h"

#include <gtest/gtest.h>

namespace pelmora::cli::testing {
namespace {

std::vector<std::string> Names(const std::string& out)
{
    std::vector<std::string> names;
    for (std::size_t start = 0; start < out.size();) {
        const std::size_t end = out.find('\n', start);
        const std::string line = out.substr(start, end - start);
        names.push_back(line.substr(0, line.find('=')));
        start = end + 1;
    }
    return names;
}

TEST(CliShow, PrintsEveryNameInItsOrder)
{
    CliTestBed bed;
    const CliRun run = bed.Run({"show"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    const std::vector<std::string> expected = {
        "WindowsDir", "LogoPath", "InfoPath", "Manufacture", "Model", "web addres", "E-MAIL", "ADDRES",
        "TELEPHONE", "FAX", "OWNER", "ADD2", "company", "date", "StoredLogoPath", "LogoInstalled", "InfoInstalled",
        "Registry"};
    EXPECT_EQ(Names(run.out), expected);
    EXPECT_EQ(run.out.back(), '\n');
}

TEST(CliShow, WithoutAWindowsDirectoryNoOemPathIsShown)
{
    CliTestBed bed(SystemFolder::NoWindowsDirectory);
    auto shown = bed.Show();
    EXPECT_EQ(shown["WindowsDir"], "");
    EXPECT_EQ(shown["LogoPath"], "");
    EXPECT_EQ(shown["InfoPath"], "");
    EXPECT_EQ(shown["LogoInstalled"], "no");
    EXPECT_EQ(shown["InfoInstalled"], "no");
}

}  // namespace
}  // namespace pelmora::cli::testing
