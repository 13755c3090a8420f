// keep-after-updates: the kept profile and logo in ProgramData, Setup's custom action under
// System32\update\run, what show says, and taking it all away again.
#include "CliTestBed.h"

#include <QImage>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace pelmora::cli::testing {
namespace {

namespace fs = std::filesystem;

constexpr const char* kActionPath = "System32/update/run/{5C0F2E7A-93D1-4B6E-A84F-1E7D3C29B640}";

struct KeepBed {
    CliTestBed bed{SystemFolder::Current};

    std::string Kept(const std::string& name) const { return bed.File("ProgramData/Pelmora/" + name); }
    std::string Script() const { return bed.WindowsDir() + "/" + kActionPath + "/success.cmd"; }

    std::string Profile(const std::string& logoName)
    {
        QImage image(8, 6, QImage::Format_RGB32);
        image.fill(qRgb(20, 90, 160));
        EXPECT_TRUE(image.save(QString::fromStdString(bed.File(logoName))));
        std::ofstream(bed.File("brand.json"))
            << R"({"manufacturer": "Quillon Works", "model": "QW 7", "web": "https://quillon.example", "logo": ")"
            << logoName << "\"}\n";
        return bed.File("brand.json");
    }
};

TEST(CliKeepAfterUpdates, KeepsTheProfileAndInstallsSetupsScript)
{
    KeepBed keep;
    const std::string profile = keep.Profile("brand-logo.png");
    const CliRun run = keep.bed.Run({"keep-after-updates", profile});
    ASSERT_EQ(run.status, 0) << run.err;
    // The script runs the installed console tool, which this machine does not have yet.
    EXPECT_NE(run.err.find("Pelmora" + std::string(1, fs::path::preferred_separator) + "pelmora-cli.exe"),
              std::string::npos) << run.err;

    EXPECT_EQ(CliTestBed::ReadBytes(keep.Kept("kept-profile-logo.png")),
              CliTestBed::ReadBytes(keep.bed.File("brand-logo.png")));
    const std::string script = CliTestBed::ReadBytes(keep.Script());
    EXPECT_EQ(script.rfind("@echo off\r\n", 0), 0u);
    EXPECT_NE(script.find("\"%ProgramFiles%\\Pelmora\\pelmora-cli.exe\" apply-profile "
                          "\"%ProgramData%\\Pelmora\\kept-profile.json\" >> \"%PELMORA_LOG%\" 2>&1\r\n"),
              std::string::npos) << script;
    EXPECT_EQ(keep.bed.Show()["KeptAfterUpdates"], "yes");
    EXPECT_EQ(keep.bed.Show()["InfoInstalled"], "no") << "keeping brands nothing";

    // The kept profile, applied, brands the machine as the original would.
    ASSERT_EQ(keep.bed.Run({"apply-profile", keep.Kept("kept-profile.json")}).status, 0);
    const CliRun check = keep.bed.Run({"check-profile", profile});
    EXPECT_EQ(check.status, 0) << check.out << check.err;
}

TEST(CliKeepAfterUpdates, UsesTheFoldersAsTheInstallationSpellsThem)
{
    KeepBed keep;
    fs::create_directories(keep.bed.WindowsDir() + "/System32/UPDATE/Run");
    ASSERT_EQ(keep.bed.Run({"keep-after-updates", keep.Profile("brand-logo.png")}).status, 0);
    EXPECT_TRUE(fs::exists(keep.bed.WindowsDir() +
                           "/System32/UPDATE/Run/{5C0F2E7A-93D1-4B6E-A84F-1E7D3C29B640}/success.cmd"));
    EXPECT_FALSE(fs::exists(keep.bed.WindowsDir() + "/System32/update"));
}

TEST(CliKeepAfterUpdates, ANewProfileReplacesTheKeptOneAndItsLogo)
{
    KeepBed keep;
    ASSERT_EQ(keep.bed.Run({"keep-after-updates", keep.Profile("brand-logo.png")}).status, 0);
    ASSERT_EQ(keep.bed.Run({"keep-after-updates", keep.Profile("other.bmp")}).status, 0);
    EXPECT_FALSE(fs::exists(keep.Kept("kept-profile-logo.png")));
    EXPECT_TRUE(fs::exists(keep.Kept("kept-profile-logo.bmp")));
    EXPECT_NE(CliTestBed::ReadBytes(keep.Kept("kept-profile.json")).find("\"kept-profile-logo.bmp\""),
              std::string::npos);
}

TEST(CliKeepAfterUpdates, RemoveTakesBothAwayAndKeepsTheLog)
{
    KeepBed keep;
    ASSERT_EQ(keep.bed.Run({"keep-after-updates", keep.Profile("brand-logo.png")}).status, 0);
    std::ofstream(keep.Kept("after-updates.log")) << "earlier run\n";
    const CliRun removed = keep.bed.Run({"keep-after-updates", "--remove"});
    EXPECT_EQ(removed.status, 0) << removed.err;
    EXPECT_FALSE(fs::exists(keep.bed.WindowsDir() + "/" + kActionPath));
    EXPECT_TRUE(fs::exists(keep.bed.WindowsDir() + "/System32/update/run"));
    for (const char* name : {"kept-profile.json", "kept-profile-logo.png"})
        EXPECT_FALSE(fs::exists(keep.Kept(name))) << name;
    EXPECT_TRUE(fs::exists(keep.Kept("after-updates.log")));
    EXPECT_EQ(keep.bed.Show()["KeptAfterUpdates"], "no");

    const CliRun again = keep.bed.Run({"keep-after-updates", "--remove"});
    EXPECT_EQ(again.status, 0);
    EXPECT_NE(again.out.find("nothing was changed"), std::string::npos) << again.out;
}

TEST(CliKeepAfterUpdates, RefusesWhatItCannotKeep)
{
    struct Case {
        std::vector<std::string> args;
        int status;
    };
    KeepBed keep;
    std::ofstream(keep.bed.File("bad.json")) << R"({"manufacturer": "Q", "model": 7})";
    const Case cases[] = {
        {{"keep-after-updates"}, 2},
        {{"keep-after-updates", ""}, 2},
        {{"keep-after-updates", "--remove", "x.json"}, 2},
        {{"keep-after-updates", keep.bed.File("bad.json")}, 2},
        {{"keep-after-updates", keep.bed.File("missing.json")}, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(keep.bed.Run(c.args).status, c.status) << c.args.back();
    EXPECT_FALSE(fs::exists(keep.bed.File("ProgramData/Pelmora")));
    EXPECT_FALSE(fs::exists(keep.bed.WindowsDir() + "/System32/update"));

    CliTestBed noWindows(SystemFolder::NoWindowsDirectory);
    EXPECT_EQ(noWindows.Run({"keep-after-updates", keep.bed.File("bad.json")}).status, 1);
}

}  // namespace
}  // namespace pelmora::cli::testing
