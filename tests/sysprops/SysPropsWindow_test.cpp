#include "SysPropsWindow.h"
#include "testing/Fifo.h"
#include "testing/TempDir.h"
#include "testing/qt/ProgramRun.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace pelmora::sysprops {
namespace {

class SysPropsWindowTest : public ::testing::Test {
protected:
    SysPropsWindowTest() { std::filesystem::create_directory(m_Dir.Path() / "System"); }

    void WriteFile(const char* name, const std::string& bytes)
    {
        std::ofstream(m_Dir.Path() / "System" / name, std::ios::binary) << bytes;
    }

    void WriteLogo(int width, int height)
    {
        QImage logo(width, height, QImage::Format_RGB32);
        logo.fill(Qt::darkCyan);
        ASSERT_TRUE(logo.save(QString::fromStdString((m_Dir.Path() / "System" / "oemlogo.bmp").string()), "BMP"));
    }

    std::unique_ptr<SysPropsWindow> Open() { return std::make_unique<SysPropsWindow>(m_Dir.Path().string()); }

    testing::TempDir m_Dir;
};

template <typename T>
T* Find(QWidget& window, const char* name)
{
    return window.findChild<T*>(name);
}

TEST_F(SysPropsWindowTest, ShowsLogoAtItsSizeAndTheOemBlock)
{
    WriteLogo(400, 300);
    WriteFile("oeminfo.ini", "[GENERAL]\r\nMANUFACTURER=Quillon Works\r\nMODEL=QW 7\r\n\r\n"
                             "[SUPPORT INFORMATION]\r\nline1=first\r\nline2=\r\nline3=  third\r\n");
    auto window = Open();

    QLabel* logo = Find<QLabel>(*window, "OemLogo");
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->size(), QSize(400, 300));
    EXPECT_EQ(logo->pixmap().size(), QSize(400, 300));
    ASSERT_NE(Find<QWidget>(*window, "OemBlock"), nullptr);
    EXPECT_EQ(Find<QLabel>(*window, "SupportedBy")->text(), "Manufactured and supported by:");
    EXPECT_EQ(Find<QLabel>(*window, "Manufacturer")->text(), "Quillon Works");
    EXPECT_EQ(Find<QLabel>(*window, "Model")->text(), "QW 7");

    QString listed;
    QString title;
    QTimer::singleShot(0, [&] {
        auto* dialog = window->findChild<QDialog*>("SupportDialog");
        if (dialog == nullptr)
            return;
        title = dialog->windowTitle();
        listed = dialog->findChild<QPlainTextEdit*>("SupportText")->toPlainText();
        dialog->accept();
    });
    Find<QPushButton>(*window, "SupportButton")->click();
    EXPECT_EQ(title, "Quillon Works Support Information");
    EXPECT_EQ(listed, "first\n\n  third");
}

TEST_F(SysPropsWindowTest, MissingFilesShowNeitherLogoNorBlock)
{
    auto window = Open();
    EXPECT_EQ(Find<QLabel>(*window, "OemLogo"), nullptr);
    EXPECT_EQ(Find<QWidget>(*window, "OemBlock"), nullptr);
}

TEST_F(SysPropsWindowTest, BrokenPictureLeavesOutOnlyTheLogo)
{
    WriteFile("oemlogo.bmp", "BM this is not a bitmap");
    WriteFile("oeminfo.ini", "[general]\nmanufacturer=A\nmodel=B\n");
    auto window = Open();
    EXPECT_EQ(Find<QLabel>(*window, "OemLogo"), nullptr);
    EXPECT_EQ(Find<QLabel>(*window, "Manufacturer")->text(), "A");
    EXPECT_EQ(Find<QPushButton>(*window, "SupportButton"), nullptr);  // no support lines, no button
}

// A window as wide as the text would take gigabytes of pixels.
TEST_F(SysPropsWindowTest, LongTextsAreElidedAndTheWindowStaysScreenSized)
{
    const std::string longText(32000, 'W');  // two of them fill the 64 KiB read
    WriteFile("oeminfo.ini", "[GENERAL]\r\nMANUFACTURER=" + longText + "\r\nMODEL=" + longText +
                                 "\r\n[SUPPORT INFORMATION]\r\nline1=short\r\n");
    auto window = Open();
    window->show();
    QApplication::processEvents();
    for (const char* name : {"Manufacturer", "Model"}) {
        const QLabel* label = Find<QLabel>(*window, name);
        ASSERT_NE(label, nullptr);
        EXPECT_LT(label->text().size(), 200) << name;
        EXPECT_TRUE(label->text().endsWith(QChar(0x2026))) << name;
    }
    EXPECT_LT(window->width(), 1000);

    QString title;
    QTimer::singleShot(0, [&] {
        if (auto* dialog = window->findChild<QDialog*>("SupportDialog")) {
            title = dialog->windowTitle();
            dialog->accept();
        }
    });
    Find<QPushButton>(*window, "SupportButton")->click();
    EXPECT_LT(title.size(), 250);
    EXPECT_TRUE(title.endsWith(" Support Information"));
}

TEST_F(SysPropsWindowTest, ALogoLargerThanThePageIsCutNotScaled)
{
    WriteLogo(2000, 300);
    auto window = Open();
    QLabel* logo = Find<QLabel>(*window, "OemLogo");
    ASSERT_NE(logo, nullptr);
    EXPECT_EQ(logo->size(), QSize(1024, 300));
    EXPECT_EQ(logo->pixmap().size(), QSize(1024, 300));
    EXPECT_EQ(logo->pixmap().toImage().pixel(1023, 299), QColor(Qt::darkCyan).rgb());
}

TEST_F(SysPropsWindowTest, PipesInPlaceOfTheFilesOpenAnEmptyPageAtOnce)
{
    testing::UnwrittenFifo logo((m_Dir.Path() / "System" / "oemlogo.bmp").string());
    testing::UnwrittenFifo info((m_Dir.Path() / "System" / "oeminfo.ini").string());
    auto window = Open();
    EXPECT_EQ(Find<QLabel>(*window, "OemLogo"), nullptr);
    EXPECT_EQ(Find<QWidget>(*window, "OemBlock"), nullptr);
    EXPECT_FALSE(logo.ReleasedAReader());
    EXPECT_FALSE(info.ReleasedAReader());
}

TEST_F(SysPropsWindowTest, ACutLogoIsLeftOut)
{
    WriteLogo(200, 300);
    const std::string path = (m_Dir.Path() / "System" / "oemlogo.bmp").string();
    const std::string whole = testing::ReadBytes(path);
    WriteFile("oemlogo.bmp", whole.substr(0, 20000));
    auto window = Open();
    EXPECT_EQ(Find<QLabel>(*window, "OemLogo"), nullptr);
}

}  // namespace
}  // namespace pelmora::sysprops

namespace {

TEST(SysPropsStart, WithoutADisplaySaysSoInOneLine)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(name);
    program.setProcessEnvironment(environment);
    program.start(PELMORA_SYSPROPS, {"/nowhere"});
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_NE(program.exitCode(), 0);
    EXPECT_EQ(program.readAllStandardError(),
              "pelmora-sysprops: no display available (set DISPLAY or QT_QPA_PLATFORM)\n");
}

TEST(SysPropsStart, VersionNeedsNoDisplayAndASecondOrMissingDirectoryIsRefused)
{
    using pelmora::testing::RunProgram;
    const auto version = RunProgram(PELMORA_SYSPROPS, {"--version"}, false);
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("pelmora-sysprops ") + PELMORA_VERSION + "\n");

    const auto two = RunProgram(PELMORA_SYSPROPS, {"/one", "/two"}, true);
    EXPECT_EQ(two.status, 2);
    EXPECT_EQ(two.err, "pelmora-sysprops: unexpected argument /two\n(pelmora-sysprops --help shows the options)\n");

    const auto missing = RunProgram(PELMORA_SYSPROPS, {"--windows-dir", "/nowhere/Windows"}, true);
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "pelmora-sysprops: /nowhere/Windows is not a folder\n");

    const auto both = RunProgram(PELMORA_SYSPROPS, {"--windows-dir", "/one", "/two"}, true);
    EXPECT_EQ(both.status, 2);
    EXPECT_EQ(both.err, "pelmora-sysprops: give the Windows directory once, as DIRECTORY, --windows-dir or --image\n"
                        "(pelmora-sysprops --help shows the options)\n");
}

// Started where the session names no runtime folder, it gives the toolkit a private one.
TEST(SysPropsStart, WithoutARuntimeFolderGivenItMakesAPrivateOne)
{
    pelmora::testing::TempDir dir;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR"})
        environment.remove(name);
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("TMPDIR", QString::fromStdString(dir.Path().string()));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(PELMORA_SYSPROPS, {QString::fromStdString(dir.Path().string())});
    ASSERT_TRUE(program.waitForStarted(10000));
    const std::filesystem::path folder = dir.Path() / ("pelmora-runtime-" + std::to_string(::geteuid()));
    for (int i = 0; i < 200 && !std::filesystem::exists(folder); ++i)
        program.waitForFinished(50);
    program.kill();
    program.waitForFinished();
    ASSERT_TRUE(std::filesystem::is_directory(std::filesystem::symlink_status(folder)));
    EXPECT_EQ(std::filesystem::status(folder).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_all);
    EXPECT_FALSE(program.readAllStandardError().contains("XDG_RUNTIME_DIR"));
}

}  // namespace
