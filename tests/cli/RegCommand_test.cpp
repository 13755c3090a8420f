#include "CliTestBed.h"

#include <gtest/gtest.h>

namespace pelmora::cli::testing {
namespace {

constexpr const char* kDone = "The operation completed successfully.\n";
constexpr const char* kNotFound = "ERROR: The system was unable to find the specified registry key or value.\n";

std::string ValueLine(const std::string& name, const std::string& type, const std::string& data)
{
    return "    " + name + "    " + type + "    " + data + "\n";
}

struct RoundTrip {
    std::vector<std::string> add;    // after "reg add"
    std::vector<std::string> query;  // after "reg query"
    std::string shown;               // the key line, then the value line
};

TEST(CliReg, ValuesRoundTripWithTheirTypes)
{
    const std::string key = "HKLM\\SOFTWARE\\Test\\Deep\\Path";
    const std::string shown = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Test\\Deep\\Path\n";
    const std::vector<RoundTrip> table = {
        {{key, "/v", "Text", "/d", "hello world"}, {key, "/v", "Text"}, shown + ValueLine("Text", "REG_SZ", "hello world")},
        {{key, "/v", "Plain"}, {key, "/v", "Plain"}, shown + ValueLine("Plain", "REG_SZ", "")},
        {{key, "/v", "Accent", "/t", "reg_sz", "/d", "Caf\xc3\xa9"}, {key, "/v", "Accent"},
         shown + ValueLine("Accent", "REG_SZ", "Caf\xc3\xa9")},
        {{key, "/v", "Count", "/t", "REG_DWORD", "/d", "42"}, {key, "/v", "Count"},
         shown + ValueLine("Count", "REG_DWORD", "0x2a")},
        {{key, "-v", "Max", "-T", "REG_DWORD", "-d", "0xFFFFFFFF"}, {key, "/V", "Max"},
         shown + ValueLine("Max", "REG_DWORD", "0xffffffff")},
        {{key, "/v", "Zero", "/t", "REG_DWORD"}, {key, "/v", "Zero"}, shown + ValueLine("Zero", "REG_DWORD", "0x0")},
        {{key, "/v", "Path", "/t", "REG_EXPAND_SZ", "/d", "%SystemRoot%\\x"}, {key, "/v", "Path"},
         shown + ValueLine("Path", "REG_EXPAND_SZ", "%SystemRoot%\\x")},
        {{key, "/ve", "/d", "default text"}, {key, "/ve"}, shown + ValueLine("(Default)", "REG_SZ", "default text")},
        // Roots by either name, paths and value names in any letter case; shown as typed.
        {{key, "/v", "Mixed", "/d", "m"}, {"HKEY_LOCAL_MACHINE\\software\\TEST\\deep\\path", "/v", "MIXED"},
         "HKEY_LOCAL_MACHINE\\software\\TEST\\deep\\path\n" + ValueLine("MIXED", "REG_SZ", "m")},
        {{"HKCU\\Software\\Test", "/v", "User", "/d", "u"}, {"hkey_current_user\\Software\\Test", "/v", "User"},
         "HKEY_CURRENT_USER\\Software\\Test\n" + ValueLine("User", "REG_SZ", "u")},
    };
    CliTestBed bed;
    for (const RoundTrip& row : table) {
        std::vector<std::string> add = {"reg", "add"};
        add.insert(add.end(), row.add.begin(), row.add.end());
        const CliRun added = bed.Run(add);
        EXPECT_EQ(added.status, 0) << row.shown << added.err;
        EXPECT_EQ(added.out, kDone);

        std::vector<std::string> query = {"reg", "query"};
        query.insert(query.end(), row.query.begin(), row.query.end());
        const CliRun queried = bed.Run(query);
        EXPECT_EQ(queried.status, 0) << row.shown << queried.err;
        EXPECT_EQ(queried.out, "\n" + row.shown + "\n");
    }
    // HKLM and HKCU are separate roots.
    EXPECT_EQ(bed.Run({"reg", "query", "HKLM\\Software\\Test", "/v", "User"}).status, 1);
}

TEST(CliReg, QueryListsAKeysValuesThenItsSubkeys)
{
    CliTestBed bed;
    ASSERT_EQ(bed.Run({"reg", "add", "HKLM\\SOFTWARE\\T", "/v", "A", "/d", "1"}).status, 0);
    ASSERT_EQ(bed.Run({"reg", "add", "HKLM\\SOFTWARE\\T", "/v", "B", "/t", "REG_DWORD", "/d", "10"}).status, 0);
    ASSERT_EQ(bed.Run({"reg", "add", "HKLM\\SOFTWARE\\T\\Sub"}).status, 0);

    const CliRun run = bed.Run({"reg", "query", "HKLM\\SOFTWARE\\T\\"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "\nHKEY_LOCAL_MACHINE\\SOFTWARE\\T\n" + ValueLine("A", "REG_SZ", "1") +
                           ValueLine("B", "REG_DWORD", "0xa") + "\nHKEY_LOCAL_MACHINE\\SOFTWARE\\T\\Sub\n");
}

TEST(CliReg, AddOverwritesOnlyWithF)
{
    CliTestBed bed;
    const std::vector<std::string> query = {"reg", "query", "HKLM\\SOFTWARE\\T", "/v", "A"};
    ASSERT_EQ(bed.Run({"reg", "add", "HKLM\\SOFTWARE\\T", "/v", "A", "/d", "old"}).status, 0);

    const CliRun refused = bed.Run({"reg", "add", "HKLM\\SOFTWARE\\T", "/v", "A", "/d", "new"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("/f"), std::string::npos);
    EXPECT_NE(bed.Run(query).out.find("    old\n"), std::string::npos);

    EXPECT_EQ(bed.Run({"reg", "add", "HKLM\\SOFTWARE\\T", "/v", "A", "/t", "REG_DWORD", "/d", "7", "/f"}).status, 0);
    EXPECT_NE(bed.Run(query).out.find(ValueLine("A", "REG_DWORD", "0x7")), std::string::npos);
}

TEST(CliReg, DeleteRemovesAValueOrAWholeKey)
{
    CliTestBed bed;
    ASSERT_EQ(bed.Run({"reg", "add", "HKLM\\SOFTWARE\\T", "/v", "A", "/d", "1"}).status, 0);
    ASSERT_EQ(bed.Run({"reg", "add", "HKLM\\SOFTWARE\\T", "/ve", "/d", "d"}).status, 0);
    ASSERT_EQ(bed.Run({"reg", "add", "HKLM\\SOFTWARE\\T\\Sub\\Deeper", "/v", "B", "/d", "2"}).status, 0);

    EXPECT_EQ(bed.Run({"reg", "delete", "HKLM\\SOFTWARE\\T", "/v", "a", "/f"}).out, kDone);
    const CliRun gone = bed.Run({"reg", "query", "HKLM\\SOFTWARE\\T", "/v", "A"});
    EXPECT_EQ(gone.status, 1);
    EXPECT_EQ(gone.err, kNotFound);
    EXPECT_EQ(bed.Run({"reg", "query", "HKLM\\SOFTWARE\\T", "/ve"}).status, 0);

    EXPECT_EQ(bed.Run({"reg", "delete", "HKLM\\SOFTWARE\\T", "/ve", "/f"}).status, 0);
    EXPECT_EQ(bed.Run({"reg", "query", "HKLM\\SOFTWARE\\T", "/ve"}).status, 1);

    EXPECT_EQ(bed.Run({"reg", "delete", "HKLM\\SOFTWARE\\T", "/f"}).status, 0);
    EXPECT_EQ(bed.Run({"reg", "query", "HKLM\\SOFTWARE\\T\\Sub\\Deeper"}).status, 1);
    EXPECT_EQ(bed.Run({"reg", "query", "HKLM\\SOFTWARE\\T"}).status, 1);
    EXPECT_EQ(bed.Run({"reg", "query", "HKLM\\SOFTWARE"}).status, 0);

    // Nothing left to delete is a failure, not a success.
    const CliRun missing = bed.Run({"reg", "delete", "HKLM\\SOFTWARE\\T", "/f"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, kNotFound);
    EXPECT_EQ(bed.Run({"reg", "delete", "HKLM\\SOFTWARE", "/v", "none", "/f"}).status, 1);
}

// What reg writes is what the program reads: strings (stored with their NUL, like the platform's
// tools write them) are read whole, other types read as empty.
TEST(CliReg, TheCommandsReadOnlyStringValues)
{
    CliTestBed bed;
    const std::string oem = "HKLM\\SOFTWARE\\Pelmora\\Corvexa\\OEM";
    ASSERT_EQ(bed.Run({"reg", "add", oem, "/v", "Manufacture", "/t", "REG_DWORD", "/d", "1"}).status, 0);
    ASSERT_EQ(bed.Run({"reg", "add", oem, "/v", "Model", "/t", "REG_EXPAND_SZ", "/d", "X1"}).status, 0);
    ASSERT_EQ(bed.Run({"reg", "add", oem, "/v", "company", "/d", "Contoso Ltd"}).status, 0);

    auto shown = bed.Show();
    EXPECT_EQ(shown["Manufacture"], "");
    EXPECT_EQ(shown["Model"], "");
    EXPECT_EQ(shown["company"], "Contoso Ltd");

    // The main window's box reads the number as empty: nothing to remove.
    const CliRun remove = bed.Run({"remove-oem"});
    EXPECT_EQ(remove.status, 0);
    EXPECT_EQ(remove.out, "All Ready removed OEM information\n");

    const CliRun support = bed.Run({"apply-support", "--web", "w"});
    EXPECT_EQ(support.status, 1);
    EXPECT_EQ(support.err, "please type computer's manufacture name\n");

    ASSERT_EQ(bed.Run({"reg", "add", oem, "/v", "Manufacture", "/d", "Contoso", "/f"}).status, 0);
    ASSERT_EQ(bed.Run({"reg", "add", oem, "/v", "Model", "/d", "X1", "/f"}).status, 0);
    shown = bed.Show();
    EXPECT_EQ(shown["Manufacture"], "Contoso");
    EXPECT_EQ(shown["Model"], "X1");
}

}  // namespace
}  // namespace pelmora::cli::testing
