#include "CliTestBed.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace pelmora::cli::testing {
namespace {

constexpr const char* kApplied = "Succesfully Aplyed OEM Information. click view button to test it\n";
constexpr const char* kWarning = "this will remove all Oem informations\n";
constexpr const char* kShortLayout = "[GENERAL]\r\nMANUFACTURER=Contoso\r\nMODEL=X1\r\n\r\n";

const std::vector<std::string> kApplyContoso = {"apply-oem", "--manufacturer", "Contoso", "--model", "X1"};

TEST(CliApplyOem, WritesTheShortLayoutAndStoresBothTexts)
{
    CliTestBed bed;
    // Both option spellings are the same command.
    for (const auto& args : {kApplyContoso, std::vector<std::string>{"apply-oem", "--model=X1", "--manufacturer=Contoso"}}) {
        const CliRun run = bed.Run(args);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, kApplied);
        EXPECT_EQ(run.err, "");
        EXPECT_EQ(CliTestBed::ReadBytes(bed.InfoPath()), kShortLayout);
    }
    auto shown = bed.Show();
    EXPECT_EQ(shown["WindowsDir"], bed.WindowsDir());
    EXPECT_EQ(shown["InfoPath"], bed.InfoPath());
    EXPECT_EQ(shown["Manufacture"], "Contoso");
    EXPECT_EQ(shown["Model"], "X1");
    EXPECT_EQ(shown["InfoInstalled"], "yes");
    EXPECT_EQ(shown["LogoInstalled"], "no");
}

// The wording and which field is checked first are the presenter's rules (tests/app); here each
// refusal reaches stderr, exits 1 and stores nothing.
TEST(CliApplyOem, RefusalsWriteNothingAndExit1)
{
    const std::pair<std::vector<std::string>, std::string> table[] = {
        {{"apply-oem", "--manufacturer=", "--model=X1"}, "please type computer manufacture's name\n"},
        {{"apply-oem", "--manufacturer=Contoso", "--model="}, "please type computers modelname\n"},
    };
    for (const auto& [args, message] : table) {
        CliTestBed bed;
        const CliRun run = bed.Run(args);
        EXPECT_EQ(run.status, 1) << message;
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, message);
        auto shown = bed.Show();
        EXPECT_EQ(shown["Manufacture"], "");
        EXPECT_EQ(shown["InfoInstalled"], "no");
    }
}

// The information file cannot be written: a failure, never the success message.
TEST(CliApplyOem, AFailedWriteIsReportedNotPraised)
{
    for (SystemFolder system : {SystemFolder::Missing, SystemFolder::IsFile, SystemFolder::NoWindowsDirectory}) {
        CliTestBed bed(system);
        const CliRun run = bed.Run(kApplyContoso);
        EXPECT_EQ(run.status, 1) << static_cast<int>(system);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err, "");
        EXPECT_FALSE(std::filesystem::is_regular_file(bed.InfoPath()));
        EXPECT_EQ(bed.Show()["InfoInstalled"], "no");
    }
}

TEST(CliRemoveOem, DeletesTheFileAndClearsAllButCompanyAndDate)
{
    CliTestBed bed;
    ASSERT_EQ(bed.Run(kApplyContoso).status, 0);
    ASSERT_EQ(bed.Run({"apply-support", "--web=w", "--email=e", "--address=a", "--address2=a2", "--telephone=t",
                       "--fax=f", "--owner=o", "--company=c", "--date=d"})
                  .status,
              0);

    const CliRun run = bed.Run({"remove-oem"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, kWarning);  // printed, not asked
    EXPECT_FALSE(std::filesystem::exists(bed.InfoPath()));

    auto shown = bed.Show();
    for (const char* cleared : {"Manufacture", "Model", "web addres", "E-MAIL", "ADDRES", "TELEPHONE", "FAX", "OWNER", "ADD2"})
        EXPECT_EQ(shown[cleared], "") << cleared;
    EXPECT_EQ(shown["company"], "c");
    EXPECT_EQ(shown["date"], "d");
    EXPECT_EQ(shown["InfoInstalled"], "no");

    // Nothing stored any more: the notice, and the status of a command that had nothing to do.
    const CliRun again = bed.Run({"remove-oem"});
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.out, "All Ready removed OEM information\n");
    EXPECT_EQ(again.err, "");
}

TEST(CliRemoveOem, AFileThatCannotBeDeletedKeepsEverything)
{
    CliTestBed bed;
    ASSERT_EQ(bed.Run(kApplyContoso).status, 0);
    std::filesystem::remove(bed.InfoPath());
    std::filesystem::create_directories(std::filesystem::path(bed.InfoPath()) / "in-the-way");

    const CliRun run = bed.Run({"remove-oem"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind(kWarning, 0), 0u);
    EXPECT_GT(run.err.size(), std::string(kWarning).size());
    EXPECT_EQ(bed.Show()["Manufacture"], "Contoso");
}

TEST(CliApplySupport, GivenFieldsReplaceStoredOnesAndTheFullLayoutIsWritten)
{
    CliTestBed bed;
    const std::string oem = "HKLM\\SOFTWARE\\Pelmora\\Corvexa\\OEM";
    ASSERT_EQ(bed.Run({"reg", "add", oem, "/v", "Manufacture", "/d", "A"}).status, 0);
    const CliRun refused = bed.Run({"apply-support", "--web", "w"});  // no model stored
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "please type computer's model Name\n");
    EXPECT_EQ(bed.Show()["web addres"], "");

    ASSERT_EQ(bed.Run({"reg", "add", oem, "/v", "Model", "/d", "B"}).status, 0);
    const CliRun first = bed.Run({"apply-support", "--web", "example.test", "--fax=1", "--date", " 1 May "});
    EXPECT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out, "Support informations Saved\n");
    EXPECT_EQ(bed.Run({"apply-support", "--fax", "2"}).status, 0);

    auto shown = bed.Show();
    EXPECT_EQ(shown["web addres"], "example.test");
    EXPECT_EQ(shown["FAX"], "2");
    EXPECT_EQ(shown["date"], " 1 May ");
    const std::string file = CliTestBed::ReadBytes(bed.InfoPath());
    EXPECT_EQ(file.rfind("[GENERAL]\r\nMANUFACTURER=A\r\nMODEL=B\r\n\r\n\r\n[SUPPORT INFORMATION]\r\n", 0), 0u);
    EXPECT_NE(file.find("\r\nline3=>>       web site:                 example.test\r\n"), std::string::npos);
}

TEST(CliApplySupport, AFailedWriteStoresNothingAndSaysWhy)
{
    CliTestBed bed(SystemFolder::Missing);
    ASSERT_EQ(bed.Run({"reg", "add", "HKLM\\SOFTWARE\\Pelmora\\Corvexa\\OEM", "/v", "Manufacture", "/d", "A"}).status, 0);
    ASSERT_EQ(bed.Run({"reg", "add", "HKLM\\SOFTWARE\\Pelmora\\Corvexa\\OEM", "/v", "Model", "/d", "B"}).status, 0);

    const CliRun run = bed.Run({"apply-support", "--owner", "o"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("oeminfo.ini was not written: "), std::string::npos) << run.err;
    EXPECT_EQ(bed.Show()["OWNER"], "");  // no values beside a file that was not written
}

TEST(CliApplySupport, AReadThatFailedRefusesAndLeavesTheStoreAndTheFileAsTheyWere)
{
    CliTestBed bed;
    const std::string oem = "HKLM\\SOFTWARE\\Pelmora\\Corvexa\\OEM";
    for (const char* name : {"Manufacture", "Model", "web addres", "E-MAIL"})
        ASSERT_EQ(bed.Run({"reg", "add", oem, "/v", name, "/d", std::string("stored ") + name}).status, 0);
    ASSERT_EQ(bed.Run({"apply-support", "--fax", "1"}).status, 0);
    const std::string file = CliTestBed::ReadBytes(bed.InfoPath());

    // Locked after the first three values were read: the rest would load empty.
    const std::string locked = "the registry store /x/registry.sqlite3 is locked by another program";
    bed.Registry().FailReadsFrom(9, locked);
    const CliRun run = bed.Run({"apply-support", "--fax", "2"});
    bed.Registry().Heal();
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "The support information was not saved: the stored values could not be read when this window "
                       "opened (" + locked + "), and saving would overwrite them with the empty boxes. Close the "
                       "window and open it again.\n");
    auto shown = bed.Show();
    EXPECT_EQ(shown["web addres"], "stored web addres");
    EXPECT_EQ(shown["E-MAIL"], "stored E-MAIL");
    EXPECT_EQ(shown["FAX"], "1");
    EXPECT_EQ(CliTestBed::ReadBytes(bed.InfoPath()), file);
}

TEST(CliRemoveOem, AManufacturerThatCouldNotBeReadIsNotReportedAsRemoved)
{
    CliTestBed bed;
    ASSERT_EQ(bed.Run(kApplyContoso).status, 0);
    bed.Registry().FailReadsFrom(0, "the registry store /x/registry.sqlite3 is locked by another program");
    const CliRun run = bed.Run({"remove-oem"});
    bed.Registry().Heal();
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("is locked by another program"), std::string::npos) << run.err;
    EXPECT_EQ(bed.Show()["Manufacture"], "Contoso");
    EXPECT_EQ(CliTestBed::ReadBytes(bed.InfoPath()), kShortLayout);
}

}  // namespace
}  // namespace pelmora::cli::testing
