#include "app/MainWindowControls.h"
#include "app/MainWindowStart.h"
#include "registry/RegistryPaths.h"

#ifdef _WIN32
#include "platform/WindowsApi.h"
#endif

#include <gtest/gtest.h>

#include <cctype>
#include <functional>

namespace pelmora {
namespace {

using testing::FakeMachine;
using testing::FakePicture;
using testing::ShownMessage;
using testing::Stop;
using Start = testing::MainWindowStart;

const ShownMessage kSaved{
    "you selected logo has Succesfully saved. to display this logo you must type model & manufacture's name",
    "Pelmora", MessageStyle::Information};
const ShownMessage kSelectFirst = Stop("Could not Complete your request.please select an logo to apply");
const ShownMessage kNoLogo{"no logo to remove", "Corvexa", MessageStyle::Stop};
const ShownMessage kRemoved{"This will removing oemlogo", "Pelmora", MessageStyle::Exclamation};

// The path box shows a chosen name upper-cased where file names ignore case, as chosen elsewhere.
std::string Shown(std::string path)
{
#ifdef _WIN32
    for (char& c : path)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
#endif
    return path;
}

std::shared_ptr<const FakePicture> Held(const Start& start, const char* control)
{
    return std::dynamic_pointer_cast<const FakePicture>(start.view.PictureOf(control));
}

class LogoCommands : public ::testing::Test {
protected:
    std::string Choose(Start& start, const std::string& path)
    {
        start.dialogs.AnswerOpenFile(path);
        start.presenter.SelectLogo();
        return path;
    }

    std::string InstalledBytes(int width, int height) { return "BM" + testing::FakePictures::FileBytes(width, height); }

    FakeMachine machine;
};

TEST_F(LogoCommands, ChooseAsksForABitmapAndRemembersTheLastName)
{
    Start start(machine);
    const std::string logo = machine.PictureFile("Logo.bmp", 180, 115);
    start.presenter.SelectLogo();  // cancelled
    Choose(start, logo);
    start.presenter.SelectLogo();  // cancelled again

    const auto& requests = start.dialogs.openFileRequests;
    ASSERT_EQ(requests.size(), 3u);
    for (const OpenFileRequest& request : requests) {
        EXPECT_EQ(request.filter, "Bitmap Only|*.bmp");
        EXPECT_EQ(request.title, "Open Bitmap");
        EXPECT_EQ(request.flags, 4);
    }
    EXPECT_EQ(requests[0].fileName, "");
    EXPECT_EQ(requests[1].fileName, "");
    EXPECT_EQ(requests[2].fileName, logo);
    EXPECT_EQ(start.view.Text(form1::kPathBox), Shown(logo)) << "a cancel changes nothing";
    ASSERT_NE(Held(start, form1::kHeldPicture), nullptr);
    EXPECT_EQ(Held(start, form1::kHeldPicture)->Source(), logo) << "loaded from the name as returned";
    EXPECT_FALSE(machine.FileBytes(machine.LogoPath())) << "choosing installs nothing";
    EXPECT_TRUE(start.dialogs.messages.empty());
}

// Letters beyond a to z are upper-cased too where names ignore case, as the code page has them.
TEST_F(LogoCommands, AChosenNameIsUpperCasedThroughTheCodePage)
{
    Start start(machine);
    // été.bmp beside an ASCII-named one: the same narrow name writes and reads it on every platform.
    std::string logo = machine.PictureFile("Logo.bmp", 180, 115);
    logo.replace(logo.size() - 8, 8, "\xc3\xa9t\xc3\xa9.bmp");
    machine.PutFile(logo, testing::FakePictures::FileBytes(180, 115));
    Choose(start, logo);
    const std::string shown = start.view.Text(form1::kPathBox);
#ifdef _WIN32
    if (GetACP() != 1252)
        GTEST_SKIP() << "the expected name is Windows-1252's";
    const std::string upper = "\xc3\x89T\xc3\x89.BMP";  // ÉTÉ.BMP
    ASSERT_GE(shown.size(), upper.size());
    EXPECT_EQ(shown.substr(shown.size() - upper.size()), upper);
#else
    EXPECT_EQ(shown, logo);
#endif
    EXPECT_EQ(Held(start, form1::kHeldPicture)->Source(), logo);
}

TEST_F(LogoCommands, AnUnloadableChoiceIsReportedAndChangesNothing)
{
    Start start(machine);
    const std::string good = Choose(start, machine.PictureFile("Good.bmp", 180, 115));
    const std::string broken = machine.temp.File("Broken.bmp");
    machine.PutFile(broken, "no picture here");
    const std::string missing = machine.temp.File("Missing.bmp");
    for (const std::string& bad : {broken, missing}) {
        start.dialogs.messages.clear();
        Choose(start, bad);
        ASSERT_EQ(start.dialogs.messages.size(), 1u);
        const ShownMessage& message = start.dialogs.messages[0];
        EXPECT_EQ(message.title, "Pelmora");
        EXPECT_EQ(message.style, MessageStyle::Stop);
        EXPECT_EQ(message.text.rfind("The picture could not be loaded from " + bad + ": ", 0), 0u) << message.text;
        EXPECT_EQ(start.view.Text(form1::kPathBox), Shown(good));
        EXPECT_EQ(Held(start, form1::kHeldPicture)->Source(), good);
    }
    // The path box still names the picture that gets installed.
    start.presenter.ApplyLogo();
    EXPECT_EQ(machine.FileBytes(machine.LogoPath()), InstalledBytes(180, 115));
}

TEST_F(LogoCommands, InstallingNeedsAPathFirst)
{
    Start start(machine);
    start.presenter.ApplySelected();
    start.presenter.ApplyLogo();
    EXPECT_EQ(start.dialogs.messages, (std::vector<ShownMessage>{kSelectFirst, kSelectFirst}));
    EXPECT_FALSE(machine.FileBytes(machine.LogoPath()));
    EXPECT_EQ(machine.files.writes, 0);
}

// The path is stored before the success message, so a path that was not stored is reported
// instead of it.
TEST_F(LogoCommands, ApplySelectedInstallsAtThePicturesSizeAndStoresThePathBeforeTheMessage)
{
    Start start(machine);
    const std::string logo = Choose(start, machine.PictureFile("Wide.bmp", 400, 300));
    std::string storedWhileShown = "not asked";
    start.dialogs.whileShown = [&](const ShownMessage&) { storedWhileShown = machine.Reg(kReadKey, ""); };
    start.presenter.ApplySelected();

    EXPECT_EQ(start.dialogs.messages, std::vector<ShownMessage>{kSaved});
    EXPECT_EQ(storedWhileShown, Shown(logo));
    EXPECT_EQ(machine.Reg(kReadKey, ""), Shown(logo));
    EXPECT_EQ(machine.FileBytes(machine.LogoPath()), InstalledBytes(400, 300));
    ASSERT_NE(Held(start, form1::kCurrentLogo), nullptr);
    EXPECT_EQ(Held(start, form1::kCurrentLogo)->Source(), machine.LogoPath());
    EXPECT_EQ(Held(start, form1::kCurrentLogo)->Width(), 400);
    EXPECT_EQ(start.view.Text(form1::kPathBox), Shown(logo)) << "the same logo can be installed again";
}

TEST_F(LogoCommands, APathNotStoredIsReportedInsteadOfTheSuccessMessage)
{
    Start start(machine);
    Choose(start, machine.PictureFile("Logo.bmp", 180, 115));
    machine.registry.FailWritesOf("");
    start.presenter.ApplySelected();
    ASSERT_EQ(start.dialogs.messages.size(), 1u);
    EXPECT_EQ(start.dialogs.messages[0].style, MessageStyle::Stop);
    const std::string& text = start.dialogs.messages[0].text;
    EXPECT_EQ(text.rfind("The logo was not fully saved.\nThe logo's path was not stored: ", 0), 0u) << text;
    EXPECT_FALSE(machine.FileBytes(machine.LogoPath())) << "the installed logo is taken back";
    EXPECT_EQ(Held(start, form1::kCurrentLogo), nullptr) << "Current Logo shows no logo that is not there";
}

TEST_F(LogoCommands, ApplyLogoInstallsWithoutStoringThePath)
{
    machine.SetReg(kReadKey, "", "/earlier/logo.bmp");
    Start start(machine);
    Choose(start, machine.PictureFile("New.bmp", 100, 50));
    start.presenter.ApplyLogo();
    EXPECT_EQ(start.dialogs.messages, std::vector<ShownMessage>{kSaved});
    EXPECT_EQ(machine.FileBytes(machine.LogoPath()), InstalledBytes(100, 50));
    EXPECT_EQ(machine.Reg(kReadKey, ""), "/earlier/logo.bmp");
    EXPECT_EQ(Start(machine).view.Text(form1::kPathBox), "/earlier/logo.bmp");
}

TEST_F(LogoCommands, AfterARestartTheStoredPathIsInstalledFromItsFile)
{
    {
        Start first(machine);
        Choose(first, machine.PictureFile("Logo.bmp", 180, 115));
        first.presenter.ApplySelected();
    }
    machine.PutFile(machine.LogoPath(), "replaced by someone else");
    Start second(machine);
    second.presenter.ApplySelected();
    EXPECT_EQ(second.dialogs.messages, std::vector<ShownMessage>{kSaved});
    EXPECT_EQ(machine.FileBytes(machine.LogoPath()), InstalledBytes(180, 115));
}

TEST_F(LogoCommands, ATypedPathInstallsThatFile)
{
    Start start(machine);
    Choose(start, machine.PictureFile("Chosen.bmp", 10, 10));
    const std::string typed = machine.PictureFile("Typed.bmp", 20, 30);
    start.view.SetText(form1::kPathBox, typed);
    start.presenter.ApplySelected();
    EXPECT_EQ(machine.FileBytes(machine.LogoPath()), InstalledBytes(20, 30));
    EXPECT_EQ(machine.Reg(kReadKey, ""), typed);
    EXPECT_EQ(Held(start, form1::kHeldPicture)->Source(), typed);
}

TEST_F(LogoCommands, NotSavedMeansNoSuccessNoReloadNoStoredPath)
{
    const std::string oldLogo = testing::FakePictures::FileBytes(1, 1);
    machine.PutFile(machine.LogoPath(), oldLogo);
    struct Case {
        const char* name;
        std::function<void(Start&)> arrange;
        std::string messageStart;
    };
    const Case cases[] = {
        {"typed path without a picture",
         [&](Start& s) { s.view.SetText(form1::kPathBox, machine.temp.File("nothing.bmp")); },
         "The logo was not saved: the picture could not be loaded from " + machine.temp.File("nothing.bmp") + ": "},
        {"write refused",
         [&](Start& s) {
             Choose(s, machine.PictureFile("Logo.bmp", 180, 115));
             machine.files.FailWrites(machine.LogoPath(), "Access is denied.\r\n");
         },
         "The logo was not saved: " + machine.LogoPath() + " could not be written: Access is denied."},
        {"no bitmap",
         [&](Start& s) {
             Choose(s, machine.PictureFile("Logo.bmp", 180, 115));
             machine.pictures.encodeFails = true;
         },
         "The logo was not saved: the picture could not be converted to a bitmap."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Start start(machine);
        c.arrange(start);
        const auto previewBefore = start.view.PictureOf(form1::kCurrentLogo);
        start.presenter.ApplySelected();
        ASSERT_EQ(start.dialogs.messages.size(), 1u);
        EXPECT_EQ(start.dialogs.messages[0].text.rfind(c.messageStart, 0), 0u) << start.dialogs.messages[0].text;
        EXPECT_EQ(start.dialogs.messages[0].style, MessageStyle::Stop);
        EXPECT_EQ(start.view.PictureOf(form1::kCurrentLogo), previewBefore);
        EXPECT_NE(previewBefore, nullptr);
        EXPECT_EQ(machine.FileBytes(machine.LogoPath()), oldLogo);
        EXPECT_EQ(machine.Reg(kReadKey, ""), "");
        machine.files.Heal();
        machine.pictures.encodeFails = false;
    }
}

TEST_F(LogoCommands, RemoveAfterInstall)
{
    Start start(machine);
    Choose(start, machine.PictureFile("Logo.bmp", 180, 115));
    start.presenter.ApplySelected();
    start.dialogs.messages.clear();

    start.presenter.RemoveLogo();
    EXPECT_EQ(start.dialogs.messages, std::vector<ShownMessage>{kRemoved});
    EXPECT_FALSE(machine.FileBytes(machine.LogoPath()));
    EXPECT_EQ(machine.Reg(kReadKey, ""), "");
    EXPECT_EQ(start.view.Text(form1::kPathBox), "");
    EXPECT_EQ(start.view.PictureOf(form1::kCurrentLogo), nullptr);
    EXPECT_NE(start.view.PictureOf(form1::kHeldPicture), nullptr) << "the holder keeps the last choice";

    start.presenter.RemoveLogo();
    EXPECT_EQ(start.dialogs.messages, (std::vector<ShownMessage>{kRemoved, kNoLogo}));
    EXPECT_EQ(Start(machine).view.Text(form1::kPathBox), "");
}

TEST_F(LogoCommands, RemoveWithAPathButNoFile)
{
    Start start(machine);
    start.view.SetText(form1::kPathBox, "/typed/by/hand.bmp");
    start.presenter.RemoveLogo();
    EXPECT_EQ(start.dialogs.messages, std::vector<ShownMessage>{kRemoved});
    EXPECT_EQ(start.view.Text(form1::kPathBox), "");
}

TEST_F(LogoCommands, ALogoThatCannotBeDeletedChangesNothingElse)
{
    machine.SetReg(kReadKey, "", "/pics/logo.bmp");
    machine.PutFile(machine.LogoPath(), testing::FakePictures::FileBytes(180, 115));
    Start start(machine);
    machine.files.FailDeletes(machine.LogoPath(), "The process cannot access the file");
    start.presenter.RemoveLogo();
    EXPECT_EQ(start.dialogs.messages,
              std::vector<ShownMessage>{Stop("The logo was not removed: " + machine.LogoPath() +
                                             " could not be deleted: The process cannot access the file.")});
    EXPECT_TRUE(machine.FileBytes(machine.LogoPath()));
    EXPECT_EQ(machine.Reg(kReadKey, ""), "/pics/logo.bmp");
    EXPECT_EQ(start.view.Text(form1::kPathBox), "/pics/logo.bmp");
    EXPECT_NE(start.view.PictureOf(form1::kCurrentLogo), nullptr);
}

TEST_F(LogoCommands, LogoCommandsLeaveTheInformationFileAndOemValuesAlone)
{
    machine.PutFile(machine.InfoPath(), "[GENERAL]\r\nMANUFACTURER=M\r\nMODEL=N\r\n\r\n");
    const char* names[] = {"Manufacture", "Model", "web addres", "company", "date"};
    for (const char* name : names)
        machine.SetReg(kOemKey, name, std::string("v ") + name);

    Start start(machine);
    Choose(start, machine.PictureFile("Logo.bmp", 180, 115));
    start.presenter.ApplySelected();
    start.presenter.ApplyLogo();
    start.presenter.RemoveLogo();
    start.presenter.RemoveLogo();

    EXPECT_EQ(machine.FileBytes(machine.InfoPath()), "[GENERAL]\r\nMANUFACTURER=M\r\nMODEL=N\r\n\r\n");
    for (const char* name : names)
        EXPECT_EQ(machine.Reg(kOemKey, name), std::string("v ") + name);
    EXPECT_EQ(start.view.Text(form1::kManufacturer), "v Manufacture");
}

TEST(LogoCommandsWithoutWindowsDirectory, InstallAndRemoveRefuse)
{
    FakeMachine machine(FakeMachine::WindowsDir::Missing);
    Start start(machine);
    start.dialogs.AnswerOpenFile(machine.PictureFile("Logo.bmp", 180, 115));
    start.presenter.SelectLogo();
    start.presenter.ApplySelected();
    start.presenter.ApplyLogo();
    start.presenter.RemoveLogo();
    const ShownMessage refusal = Stop("No Windows directory was found, so no OEM file can be written or removed.");
    EXPECT_EQ(start.dialogs.messages, (std::vector<ShownMessage>{refusal, refusal, refusal}));
    EXPECT_EQ(machine.files.writes + machine.files.deletes, 0);
    EXPECT_EQ(machine.Reg(kReadKey, ""), "");
}

}  // namespace
}  // namespace pelmora
