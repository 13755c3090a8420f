#include "QtAppShell.h"
#include "QtControls.h"
#include "QtPictureBox.h"
#include "QtTestSupport.h"
#include "about/AboutWindowControls.h"
#include "app/MainWindowControls.h"
#include "branding/OemInformation.h"
#include "current/CurrentWindowsControls.h"
#include "platform/LocalFiles.h"
#include "platform/qt/QtPictures.h"
#include "registry/RegString.h"
#include "registry/RegistryPaths.h"
#include "support/SupportEditorControls.h"
#include "testing/FakeProcesses.h"
#include "testing/FakeProgramData.h"
#include "testing/FakeWindowsDirectory.h"
#include "testing/ScratchLock.h"
#include "testing/ScratchRegistry.h"
#include "testing/TempDir.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>

namespace pelmora::qt {
namespace {

using pelmora::testing::FakeProcesses;
using pelmora::testing::FakeWindowsDirectory;
using pelmora::testing::MakeScratchRegistry;
using pelmora::testing::ReadBytes;
using pelmora::testing::TempDir;
using testing::FileDialogAnswerer;
using testing::MessageBoxAnswerer;

// The whole program in one test: a scratch registry, a Windows directory in a temporary folder,
// the real files and pictures, and the real Qt windows (offscreen).
class AppShellTest : public ::testing::Test {
protected:
    AppShellTest()
        : m_Registry(MakeScratchRegistry()),
          m_WindowsDir(m_Dir.Path().string()),
          m_WindowsDirectory(m_WindowsDir),
          m_ProgramData(m_Dir.File("ProgramData")),
          m_CommandLock(pelmora::testing::ScratchLockName(m_Dir), pelmora::testing::kScratchLockWait),
          m_Services{*m_Registry, m_Files, m_Pictures, m_WindowsDirectory, m_Processes, m_ProgramData, "pelmora",
                     m_CommandLock}
    {
        std::filesystem::create_directory(m_Dir.Path() / "System");
    }

    ~AppShellTest() override
    {
        m_Shell.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QtAppShell& Shell()
    {
        if (!m_Shell)
            m_Shell = std::make_unique<QtAppShell>(m_Services, [this] { ++m_Ended; });
        return *m_Shell;
    }

    void Store(const std::string& key, const std::string& name, const std::string& value)
    {
        ASSERT_TRUE(WriteRegString(*m_Registry, RegRoot::LocalMachine, key, name, value));
    }

    std::string Stored(const std::string& key, const std::string& name)
    {
        return ReadRegString(*m_Registry, RegRoot::LocalMachine, key, name, "");
    }

    std::string SystemFile(const char* name) const { return (m_Dir.Path() / "System" / name).string(); }

    static void Settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    static void Click(QWidget* window, const char* control)
    {
        QWidget* widget = static_cast<DesignedWindow*>(window)->Control(control);
        ASSERT_NE(widget, nullptr) << control;
        QTest::mouseClick(widget, Qt::LeftButton);
    }

    std::unique_ptr<RegistryApi> m_Registry;
    TempDir m_Dir;
    std::string m_WindowsDir;
    FakeWindowsDirectory m_WindowsDirectory;
    LocalFiles m_Files;
    QtPictures m_Pictures;
    FakeProcesses m_Processes;
    pelmora::testing::FakeProgramData m_ProgramData;
    NamedLock m_CommandLock;
    AppServices m_Services;
    std::unique_ptr<QtAppShell> m_Shell;
    int m_Ended = 0;
};

// Which stored value goes to which control is the presenter's rule (tests/app); here one label,
// one box, the counter and the logo as the real widgets show them.
TEST_F(AppShellTest, StartUpFillsTheMainWindowFromTheStore)
{
    Store(kCurrentVersionKey, "RegisteredOwner", "Hollis Brae");
    Store(kOemKey, "Manufacture", "Quillon Works");
    Store(kReadKey, "", "/pictures/logo.bmp");
    QImage logo(180, 115, QImage::Format_RGB32);
    logo.fill(Qt::darkCyan);
    ASSERT_TRUE(logo.save(QString::fromStdString(SystemFile("oemlogo.bmp")), "BMP"));

    DesignedWindow* main = Shell().OpenMainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->Text(form1::kOwner), "Hollis Brae");
    EXPECT_EQ(main->Text(form1::kPathBox), "/pictures/logo.bmp");
    EXPECT_EQ(main->Text(form1::kManufacturer), "Quillon Works");
    EXPECT_EQ(main->Text(form1::kVisits), "1");
    EXPECT_EQ(main->Text(form1::kWindowsDir), m_WindowsDir);
    auto* preview = dynamic_cast<PictureBox*>(main->Control(form1::kCurrentLogo));
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->Image().size(), QSize(180, 115));
    EXPECT_EQ(preview->Image().pixelColor(90, 57), QColor(Qt::darkCyan));

    m_Shell.reset();  // the second start counts again
    EXPECT_EQ(Shell().OpenMainWindow()->Text(form1::kVisits), "2");
}

// A product ID in the form Windows gives its own, as a new store off Windows is seeded with,
// fits its label on one line.
TEST_F(AppShellTest, TheProductIdLabelShowsAWholeId)
{
    const std::string id = "DDDDD-DDDDD-DDDDD-DDDDD";  // the widest of that form
    Store(kCurrentVersionKey, "ProductId", id);
    DesignedWindow* main = Shell().OpenMainWindow();
    auto* label = qobject_cast<QLabel*>(main->Control(form1::kProductId));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->text().toStdString(), id);
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width());
}

TEST_F(AppShellTest, ApplyOemInformationThroughTheWindow)
{
    DesignedWindow* main = Shell().OpenMainWindow();
    QTest::keyClicks(main->Control(form1::kManufacturer), "Quillon Works");
    QTest::keyClicks(main->Control(form1::kModel), "QW 7");
    MessageBoxAnswerer answerer;
    Click(main, form1::kApplyOem);

    ASSERT_EQ(answerer.Answered().size(), 1u);
    EXPECT_EQ(answerer.Answered()[0].title, "Pelmora");
    EXPECT_EQ(answerer.Answered()[0].icon, QMessageBox::Information);
    EXPECT_EQ(ReadBytes(SystemFile("oeminfo.ini")), "[GENERAL]\r\nMANUFACTURER=Quillon Works\r\nMODEL=QW 7\r\n\r\n");
    EXPECT_EQ(Stored(kOemKey, "Manufacture"), "Quillon Works");
    EXPECT_EQ(Stored(kOemKey, "Model"), "QW 7");
}

// The last item of the File menu opens Current Windows; its Apply stores the boxes and sets the
// OEMInformation values of an installation that reads them.
TEST_F(AppShellTest, CurrentWindowsFromTheFileMenu)
{
    std::filesystem::create_directory(m_Dir.Path() / "System32");
    DesignedWindow* main = Shell().OpenMainWindow();
    main->MenuItem(form1::kMenuCurrentWindows)->trigger();
    DesignedWindow* window = Shell().Shown(ProgramWindow::CurrentWindows);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Current Windows");
    QTest::keyClicks(window->Control(FieldOf(OemValue::SupportHours).control), "Mo-Fr 8-18");
    MessageBoxAnswerer answerer;
    Click(window, cwin::kApply);
    ASSERT_EQ(answerer.Answered().size(), 1u);
    EXPECT_EQ(answerer.Answered()[0].text, "Current Windows information saved");
    EXPECT_EQ(Stored(kOemKey, "SupportHours"), "Mo-Fr 8-18");
    EXPECT_EQ(Stored(kOemInformationKey, "SupportHours"), "Mo-Fr 8-18");
}

TEST_F(AppShellTest, SelectAndInstallALogoThroughTheDialogs)
{
    const std::string chosen = (m_Dir.Path() / "Chosen Logo.bmp").string();
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(QString::fromStdString(chosen), "BMP"));
    DesignedWindow* main = Shell().OpenMainWindow();

    {
        FileDialogAnswerer dialog(QString::fromStdString(chosen));
        main->MenuItem(form1::kMenuSelectLogo)->trigger();
        ASSERT_EQ(dialog.answered, 1);
        EXPECT_EQ(dialog.title, "Open Bitmap");
        EXPECT_EQ(dialog.filters, QStringList{"Bitmap Only (*.bmp)"});
        EXPECT_EQ(dialog.fileMode, QFileDialog::AnyFile);  // a typed name of a missing file is taken
    }
    EXPECT_FALSE(main->Text(form1::kPathBox).empty());

    MessageBoxAnswerer answerer;
    Click(main, form1::kApplySelected);
    ASSERT_EQ(answerer.Answered().size(), 1u);
    EXPECT_EQ(answerer.Answered()[0].icon, QMessageBox::Information);
    QImage installed(QString::fromStdString(SystemFile("oemlogo.bmp")));
    EXPECT_EQ(installed.size(), QSize(40, 30));  // at its own size
    EXPECT_EQ(ReadBytes(SystemFile("oemlogo.bmp")).substr(0, 2), "BM");
    EXPECT_EQ(dynamic_cast<PictureBox*>(main->Control(form1::kCurrentLogo))->Image().size(), QSize(40, 30));

    // The dialog starts with the name it returned last; cancelled, nothing changes.
    FileDialogAnswerer cancel(QString{});
    Click(main, form1::kSelectLogo);
    ASSERT_EQ(cancel.answered, 1);
    ASSERT_EQ(cancel.startedWith.size(), 1);
    EXPECT_EQ(cancel.startedWith[0].toStdString(), chosen);
}

TEST_F(AppShellTest, EditorAndAboutOpenOnceEachAndLoadOnlyWhenCreated)
{
    Store(kCurrentVersionKey, "RegisteredOwner", "Hollis Brae");
    DesignedWindow* main = Shell().OpenMainWindow();

    Click(main, form1::kAbout);
    DesignedWindow* about = Shell().Shown(ProgramWindow::About);
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_EQ(about->Text(form2z::kOwner), "Hollis Brae");
    EXPECT_EQ(about->parentWidget(), nullptr);  // no owner

    Store(kCurrentVersionKey, "RegisteredOwner", "Wren Calloway");
    main->MenuItem(form1::kMenuAbout)->trigger();
    EXPECT_EQ(Shell().Shown(ProgramWindow::About), about);
    EXPECT_EQ(about->Text(form2z::kOwner), "Hollis Brae");  // brought forward, not loaded again

    Click(about, form2z::kClose);
    Settle();
    EXPECT_EQ(Shell().Shown(ProgramWindow::About), nullptr);
    main->MenuItem(form1::kMenuAbout)->trigger();
    ASSERT_NE(Shell().Shown(ProgramWindow::About), nullptr);
    EXPECT_EQ(Shell().Shown(ProgramWindow::About)->Text(form2z::kOwner), "Wren Calloway");

    Click(main, form1::kEditSupport);
    DesignedWindow* editor = Shell().Shown(ProgramWindow::SupportEditor);
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(editor->isVisible());
    qobject_cast<QLineEdit*>(editor->Control(sinf::kWebAddress))->setText("typed, not applied");
    main->MenuItem(form1::kMenuEditSupport)->trigger();
    EXPECT_EQ(Shell().Shown(ProgramWindow::SupportEditor), editor);
    EXPECT_EQ(editor->Text(sinf::kWebAddress), "typed, not applied");

    int windows = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (qobject_cast<DesignedWindow*>(widget) != nullptr && widget->isVisible())
            ++windows;
    EXPECT_EQ(windows, 3);
}

TEST_F(AppShellTest, EditorOpensCentredOwnerFirstAndForgetsWhatWasNotApplied)
{
    Store(kOemKey, "OWNER", "Hollis Brae");
    Shell().OpenMainWindow();
    Shell().OpenSupportEditor();
    DesignedWindow* editor = Shell().Shown(ProgramWindow::SupportEditor);
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
    const QPoint offCentre = editor->frameGeometry().center() - editor->screen()->availableGeometry().center();
    EXPECT_LE(std::abs(offCentre.x()), 1);
    EXPECT_LE(std::abs(offCentre.y()), 1);

    std::vector<std::string> order;
    for (int i = 0; i < 12 && editor->focusWidget() != nullptr; ++i) {
        order.push_back(editor->focusWidget()->objectName().toStdString());
        QTest::keyClick(editor->focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(order, (std::vector<std::string>{sinf::kOwner, sinf::kFax, sinf::kTelephone, sinf::kAddress2,
                                               sinf::kPostalAddress, sinf::kEMail, sinf::kWebAddress, sinf::kCompany,
                                               sinf::kDate, sinf::kApply, sinf::kClose, sinf::kOwner}));

    qobject_cast<QLineEdit*>(editor->Control(sinf::kOwner))->setText("typed, not applied");
    editor->close();  // the title bar's close box
    Settle();
    EXPECT_EQ(Shell().Shown(ProgramWindow::SupportEditor), nullptr);
    Shell().OpenSupportEditor();
    EXPECT_EQ(Shell().Shown(ProgramWindow::SupportEditor)->Text(sinf::kOwner), "Hollis Brae");
}

TEST_F(AppShellTest, ViewStartsTheSystemPropertiesStandIn)
{
    DesignedWindow* main = Shell().OpenMainWindow();
    Click(main, form1::kView);
    main->MenuItem(form1::kMenuView)->trigger();
    ASSERT_EQ(m_Processes.started.size(), 2u);
    EXPECT_EQ(m_Processes.started[0], m_Processes.started[1]);
    EXPECT_EQ(m_Processes.started[0].showStyle, 5);
}

TEST_F(AppShellTest, ExitEndsTheProgramWithEveryWindow)
{
    DesignedWindow* main = Shell().OpenMainWindow();
    Click(main, form1::kEditSupport);
    Click(main, form1::kAbout);
    ASSERT_NE(Shell().Shown(ProgramWindow::SupportEditor), nullptr);
    ASSERT_NE(Shell().Shown(ProgramWindow::About), nullptr);

    Click(main, form1::kExit);
    EXPECT_EQ(m_Ended, 1);
    EXPECT_FALSE(main->isVisible());
    Settle();
    EXPECT_EQ(Shell().Shown(ProgramWindow::Main), nullptr);
    EXPECT_EQ(Shell().Shown(ProgramWindow::SupportEditor), nullptr);
    EXPECT_EQ(Shell().Shown(ProgramWindow::About), nullptr);
}

// While a message box is open in one window no other window takes input: the main window's Exit
// cannot end the program (and the editor's Apply then write the file as it quits).
TEST_F(AppShellTest, WhileTheEditorShowsABoxTheMainWindowTakesNoExit)
{
    Store(kOemKey, "Manufacture", "Quillon Works");
    Store(kOemKey, "Model", "QW 7");
    DesignedWindow* main = Shell().OpenMainWindow();
    Shell().OpenSupportEditor();
    DesignedWindow* editor = Shell().Shown(ProgramWindow::SupportEditor);
    ASSERT_NE(editor, nullptr);

    QWidget* exitButton = main->Control(form1::kExit);
    int boxesSeen = 0;
    int endedWhileOpen = -1;
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            if (box == nullptr || !box->isVisible())
                continue;
            ++boxesSeen;
            // As the window system delivers a click to the main window.
            const QPoint at = exitButton->mapTo(main, exitButton->rect().center());
            QTest::mouseClick(main->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
            QTest::keyClick(main->windowHandle(), Qt::Key_Q, Qt::ControlModifier);  // Close
            endedWhileOpen = m_Ended;
            EXPECT_TRUE(main->isVisible());
            box->button(QMessageBox::Ok)->click();
        }
    });
    watcher.start(5);
    Click(editor, sinf::kApply);
    watcher.stop();

    EXPECT_EQ(boxesSeen, 1);
    EXPECT_EQ(endedWhileOpen, 0);
    EXPECT_EQ(m_Ended, 0);
    ASSERT_EQ(Shell().Shown(ProgramWindow::Main), main);
    EXPECT_TRUE(main->isVisible());
    Click(main, form1::kExit);  // with the box closed, Exit ends the program
    EXPECT_EQ(m_Ended, 1);
}

// Run in the application's own event loop: closing the main window leaves the About window
// and the program running; the program ends when that last window closes.
TEST_F(AppShellTest, CloseUnloadsOnlyTheMainWindowAndTheLastWindowEndsTheProgram)
{
    ASSERT_TRUE(QApplication::quitOnLastWindowClosed());
    QtAppShell shell(m_Services);  // ends through the application, as the program does
    bool aboutOpenAfterClose = false;
    bool mainGoneAfterClose = false;
    QTimer::singleShot(0, [&] {
        shell.OpenMainWindow();
        shell.OpenAbout();
        shell.Shown(ProgramWindow::Main)->MenuItem(form1::kMenuClose)->trigger();  // Close
    });
    QTimer::singleShot(100, [&] {
        mainGoneAfterClose = shell.Shown(ProgramWindow::Main) == nullptr;
        aboutOpenAfterClose = shell.Shown(ProgramWindow::About) != nullptr && shell.Shown(ProgramWindow::About)->isVisible();
        if (shell.Shown(ProgramWindow::About) != nullptr)
            shell.Shown(ProgramWindow::About)->close();
    });
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    safety.start(5000);

    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(mainGoneAfterClose);
    EXPECT_TRUE(aboutOpenAfterClose);
}

}  // namespace
}  // namespace pelmora::qt
