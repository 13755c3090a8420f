#include "CliTestBed.h"

#include <gtest/gtest.h>

#include <filesystem>

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
        "WindowsDir", "LogoPath", "InfoPath", "Manufacture", "Model", "web addres", "E-MAIL", "ADDRES", "ADD2",
        "TELEPHONE", "FAX", "OWNER", "company", "date", "SupportProvider", "SupportHours", "SupportAppURL",
        "StoredLogoPath", "LogoInstalled", "InfoInstalled", "Registry", "KeptAfterUpdates"};
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

// A value or path with a line break must not print lines of its own.
TEST(CliShow, ALineBreakInAValueCannotPrintALineOfItsOwn)
{
    CliTestBed bed;
    const std::string key = "HKLM\\SOFTWARE\\Pelmora\\Corvexa\\";
    ASSERT_EQ(bed.Run({"reg", "add", key + "OEM", "/v", "Manufacture", "/d", "Acme\nLogoInstalled=yes"}).status, 0);
    ASSERT_EQ(bed.Run({"reg", "add", key + "OEM", "/v", "Model", "/d", "X1\r\nInfoInstalled=yes"}).status, 0);
    ASSERT_EQ(bed.Run({"reg", "add", key + "read", "/ve", "/d", "/pics/a\nb.bmp"}).status, 0);

    const CliRun run = bed.Run({"show"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Names(run.out).size(), 22u) << run.out;
    auto shown = bed.Show();
    EXPECT_EQ(shown["Manufacture"], "Acme\\x0ALogoInstalled=yes");
    EXPECT_EQ(shown["Model"], "X1\\x0D\\x0AInfoInstalled=yes");
    EXPECT_EQ(shown["StoredLogoPath"], "/pics/a\\x0Ab.bmp");
    EXPECT_EQ(shown["LogoInstalled"], "no");
    EXPECT_EQ(shown["InfoInstalled"], "no");
}

TEST(CliShow, AFolderAtAnOemPathIsNotInstalled)
{
    CliTestBed bed;
    std::filesystem::create_directory(bed.LogoPath());
    std::filesystem::create_directory(bed.InfoPath());
    auto shown = bed.Show();
    EXPECT_EQ(shown["LogoInstalled"], "no");
    EXPECT_EQ(shown["InfoInstalled"], "no");
}

TEST(CliShow, AStoreThatCannotBeReadExits1AndPrintsNoValues)
{
    CliTestBed bed;
    ASSERT_EQ(bed.Run({"apply-oem", "--manufacturer", "Contoso", "--model", "X1"}).status, 0);
    bed.Registry().FailReadsFrom(4, "the registry store /x/registry.sqlite3 is locked by another program");
    const CliRun run = bed.Run({"show"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "pelmora-cli: the stored values could not be read: the registry store /x/registry.sqlite3 is "
                       "locked by another program.\n");
}

}  // namespace
}  // namespace pelmora::cli::testing
