// The hover button widget end to end, offscreen: what it shows, its mask, and the events Qt's
// input makes it raise.
#include "QtCommandButton.h"
#include "QtControls.h"
#include "QtDialogs.h"
#include "QtDesignStyle.h"
#include "designs/ButtonDesign.h"

#include <QApplication>
#include <QCursor>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace pelmora::qt {
namespace {

Colour At(const QImage& image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return Rgb(qRed(p), qGreen(p), qBlue(p));
}

// A window with one 100 x 30 button at (10, 10). The pointer moves through Qt's own dispatch, so
// the button learns where it is as it would from the window system.
struct ButtonWindow {
    explicit ButtonWindow(const std::string& caption = "OK")
    {
        window->resize(200, 100);
        window->setFocusPolicy(Qt::StrongFocus);  // the focus starts on the window, not the button
        window->setFocus();
        button =
            new CommandButton(ButtonAmbient{ButtonFont{}, designs::kHostForeColour, "CommandButton1"}, window.get());
        PropertyBag bag;
        bag.WriteProperty("caption", caption);
        button->Host().ReadProperties(bag);
        button->setGeometry(10, 10, 100, 30);
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // To (x, y) of the button's own pixels. The hover timer asks the window system where the
    // pointer is, so the cursor goes there too: a tick between two steps (a loaded machine)
    // then sees what the events said.
    void MoveTo(int x, int y)
    {
        const QPoint at = button->mapTo(window.get(), QPoint(x, y));
        QCursor::setPos(window->mapToGlobal(at));
        QTest::mouseMove(window->windowHandle(), at);
    }
    void Press(int x, int y) { QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, button->mapTo(window.get(), QPoint(x, y))); }
    void Release(int x, int y) { QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, button->mapTo(window.get(), QPoint(x, y))); }

    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    CommandButton* button = nullptr;
};

// Only the offscreen platform moves the pointer exactly when told; a real X server delivers its
// own crossing events in between (the benchmark covers the pointer there).
#define SKIP_UNLESS_OFFSCREEN()                                                        \
    if (QGuiApplication::platformName() != "offscreen")                               \
    GTEST_SKIP() << "the pointer is scripted on the offscreen platform only"

constexpr Colour kFrame = Rgb(0, 60, 116);
constexpr Colour kHoverOuterTop = Rgb(254, 223, 154);  // column 1 at row 2
constexpr Colour kFocusTop = Rgb(206, 231, 251);        // row 1 from column 2
constexpr Colour kPressedTop = Rgb(209, 204, 192);      // row 1

TEST(CommandButtonWidget, DrawsTheNormalLookAtItsSizeWithTheFourCornersCutOut)
{
    ButtonWindow w;
    const QImage image = w.button->Image();
    ASSERT_EQ(image.size(), QSize(100, 30));
    EXPECT_EQ(At(image, 50, 0), kFrame);
    EXPECT_EQ(At(image, 0, 15), kFrame);
    EXPECT_EQ(At(image, 1, 1), Rgb(37, 87, 131));
    EXPECT_EQ(At(image, 5, 3), Rgb(255, 255, 253));   // first gradient row
    EXPECT_EQ(At(image, 5, 28), Rgb(214, 208, 197));  // the fixed line above the frame
    const QRegion mask = w.button->mask();
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 100; ++x) {
            const bool corner = (x == 0 || x == 99) && (y == 0 || y == 29);
            EXPECT_EQ(mask.contains(QPoint(x, y)), !corner) << x << ", " << y;
        }
}

// Qt takes a screen's scale from QT_SCALE_FACTOR when it starts, so this test runs itself again
// with each scale; there the mask in widget pixels keeps the frame's top and bottom rows whole
// but for the corners, and a click on the frame counts.
TEST(CommandButtonWidget, OnAScaledScreenTheMaskLacksOnlyTheFourCorners)
{
    const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR");
    if (scale.isEmpty()) {
        for (const char* factor : {"1.5", "2"}) {
            QProcess self;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("QT_SCALE_FACTOR", factor);
            self.setProcessEnvironment(environment);
            self.start(QCoreApplication::applicationFilePath(),
                       {"--gtest_filter=CommandButtonWidget.OnAScaledScreenTheMaskLacksOnlyTheFourCorners"});
            ASSERT_TRUE(self.waitForFinished(30000)) << factor;
            const QByteArray out = self.readAllStandardOutput();
            EXPECT_EQ(self.exitCode(), 0) << factor << "\n" << out.toStdString();
            EXPECT_TRUE(out.contains("[  PASSED  ] 1 test")) << factor << "\n" << out.toStdString();
        }
        return;
    }
    ButtonWindow w;
    ASSERT_EQ(w.button->devicePixelRatioF(), scale.toDouble());
    EXPECT_EQ(w.button->Image().size(), QSize(100, 30) * scale.toDouble());
    const QRegion mask = w.button->mask();
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 100; ++x) {
            const bool corner = (x == 0 || x == 99) && (y == 0 || y == 29);
            EXPECT_EQ(mask.contains(QPoint(x, y)), !corner) << x << ", " << y;
        }
    QSignalSpy clicks(w.button, &CommandButton::Click);
    QTest::mouseClick(w.button, Qt::LeftButton, Qt::NoModifier, QPoint(50, 0));
    QTest::mouseClick(w.button, Qt::LeftButton, Qt::NoModifier, QPoint(50, 29));
    QTest::mouseClick(w.button, Qt::LeftButton, Qt::NoModifier, QPoint(99, 29));
    EXPECT_EQ(clicks.count(), 2);
}

TEST(CommandButtonWidget, CaptionIsDrawnInTheForeColourAndCentred)
{
    ButtonWindow w("MMMM");
    w.button->Host().SetForeColor(Rgb(255, 0, 0));
    const QImage image = w.button->Image();
    int top = 30, bottom = -1, reddish = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 100; ++x) {
            const QRgb p = image.pixel(x, y);
            if (qRed(p) > 200 && qGreen(p) < 120 && qBlue(p) < 120) {  // red, not blue: red is the low byte
                ++reddish;
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    ASSERT_GT(reddish, 10);
    EXPECT_LE(std::abs((top + bottom) - 29), 4) << top << ".." << bottom;  // around the middle row
}

TEST(CommandButtonWidget, HoverLookFromTheFirstMoveOverItUntilATickFindsThePointerGone)
{
    SKIP_UNLESS_OFFSCREEN();
    ButtonWindow w;
    QSignalSpy over(w.button, &CommandButton::MouseOver);
    QSignalSpy moves(w.button, &CommandButton::MouseMove);
    QSignalSpy out(w.button, &CommandButton::MouseOut);

    w.MoveTo(20, 10);
    EXPECT_EQ(over.count(), 1);
    EXPECT_TRUE(w.button->HoverTimer().Enabled());
    EXPECT_EQ(At(w.button->Image(), 1, 2), kHoverOuterTop);

    w.MoveTo(21, 10);
    const long redraws = w.button->Host().RedrawCount();
    for (int x = 22; x < 40; ++x)
        w.MoveTo(x, 10);
    EXPECT_EQ(moves.count(), 2);  // the first two moves only
    EXPECT_EQ(w.button->Host().RedrawCount(), redraws);
    QTest::qWait(40);
    EXPECT_EQ(out.count(), 0);  // ticks while the pointer stays

    w.MoveTo(0, 0);  // a cut corner: the window below is under the pointer
    EXPECT_TRUE(QTest::qWaitFor([&] { return out.count() == 1; }, 1000));
    EXPECT_FALSE(w.button->HoverTimer().Enabled());
    EXPECT_EQ(At(w.button->Image(), 1, 2), ResolveButtonSystemColour(w.button->palette(), 5));  // normal again
    EXPECT_EQ(over.count(), 1);
}

TEST(CommandButtonWidget, DraggedOutAndBackWithTheLeftButtonHeld)
{
    SKIP_UNLESS_OFFSCREEN();
    ButtonWindow w;
    QSignalSpy over(w.button, &CommandButton::MouseOver);
    QSignalSpy out(w.button, &CommandButton::MouseOut);
    QSignalSpy clicks(w.button, &CommandButton::Click);
    w.MoveTo(20, 10);
    w.MoveTo(21, 10);
    w.Press(21, 10);
    EXPECT_EQ(At(w.button->Image(), 5, 1), kPressedTop);

    w.MoveTo(150, 10);  // out before the tick: the hover look again, not the pressed one
    EXPECT_EQ(At(w.button->Image(), 1, 2), kHoverOuterTop);
    EXPECT_TRUE(QTest::qWaitFor([&] { return out.count() == 1; }, 1000));

    w.MoveTo(30, 10);  // back in with the button held: pressed in, no timer
    EXPECT_EQ(At(w.button->Image(), 5, 1), kPressedTop);
    EXPECT_EQ(HoverStateOf(w.button->Host().State()), HoverState::PressedIn);
    w.Release(30, 10);
    EXPECT_EQ(clicks.count(), 1);

    w.MoveTo(31, 10);  // tracking the hover again after the release
    EXPECT_EQ(over.count(), 2);
    EXPECT_TRUE(w.button->HoverTimer().Enabled());
}

TEST(CommandButtonWidget, MouseClicksWithTheLeftButtonOnly)
{
    ButtonWindow w;
    QSignalSpy clicks(w.button, &CommandButton::Click);
    QSignalSpy downs(w.button, &CommandButton::MouseDown);
    QSignalSpy ups(w.button, &CommandButton::MouseUp);

    QTest::mouseClick(w.button, Qt::RightButton, Qt::NoModifier, QPoint(30, 12));
    EXPECT_EQ(clicks.count(), 0);
    QTest::mouseClick(w.button, Qt::LeftButton, Qt::ShiftModifier, QPoint(30, 12));
    EXPECT_EQ(clicks.count(), 1);
    ASSERT_EQ(downs.count(), 2);
    EXPECT_EQ(downs.at(1), (QList<QVariant>{short(1), short(1), 30.0f, 12.0f}));
    EXPECT_EQ(ups.count(), 2);

    // Released off the button: no click.
    QTest::mousePress(w.button, Qt::LeftButton, Qt::NoModifier, QPoint(30, 12));
    QTest::mouseRelease(w.button, Qt::LeftButton, Qt::NoModifier, QPoint(150, 12));
    EXPECT_EQ(clicks.count(), 1);
}

// The box a click opens closes on the key-down of its own Enter; that key's release then reaches
// the button, which has the focus again and must not click (a new box every time).
TEST(CommandButtonWidget, TheEnterThatClosesTheBoxItOpenedDoesNotClickAgain)
{
    ButtonWindow w;
    w.button->setFocus();
    QtDialogs dialogs(w.window.get());
    int boxes = 0;
    QObject::connect(w.button, &CommandButton::Click, [&] {
        if (++boxes > 3)
            return;
        QTimer::singleShot(20, [] {
            if (QWidget* box = QApplication::activeModalWidget())
                QTest::keyPress(box, Qt::Key_Return);
        });
        dialogs.ShowMessage("Saved", "OEM", MessageStyle::Information);
    });
    QTest::keyPress(w.button, Qt::Key_Return);
    QTest::keyRelease(w.button, Qt::Key_Return);  // the click: the box opens, and its Enter closes it
    ASSERT_EQ(boxes, 1);
    w.window->activateWindow();  // as the window system does once the box is gone
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.window.get()));
    ASSERT_TRUE(w.button->hasFocus());
    QTest::keyRelease(w.button, Qt::Key_Return);
    EXPECT_EQ(boxes, 1);

    QTest::keyClick(w.button, Qt::Key_Return);  // a whole press of its own still clicks
    EXPECT_EQ(boxes, 2);
}

TEST(CommandButtonWidget, SpaceAndEnterClickOncePerPressAndRelease)
{
    ButtonWindow w;
    w.button->setFocus();
    QSignalSpy clicks(w.button, &CommandButton::Click);
    QSignalSpy keyDowns(w.button, &CommandButton::KeyDown);

    QTest::keyClick(w.button, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 1);
    QTest::keyClick(w.button, Qt::Key_Return);
    EXPECT_EQ(clicks.count(), 2);
    EXPECT_EQ(keyDowns.at(1).at(0).value<short>(), 13);

    QTest::keyPress(w.button, Qt::Key_Space);  // Space down, Shift down, Space up
    QTest::keyPress(w.button, Qt::Key_Shift);
    QTest::keyRelease(w.button, Qt::Key_Space);
    QTest::keyRelease(w.button, Qt::Key_Shift);
    EXPECT_EQ(clicks.count(), 2);

    // Keys without a virtual-key code are keys too: each is raised and counts as the last one.
    QSignalSpy keyUps(w.button, &CommandButton::KeyUp);
    for (const auto& [other, text] : {std::pair{Qt::Key_Adiaeresis, QString::fromUtf8("\xc3\xa4")},
                                      {Qt::Key_AltGr, QString()}, {Qt::Key_Dead_Acute, QString()}}) {
        QKeyEvent otherDown(QEvent::KeyPress, other, Qt::NoModifier, text);
        QKeyEvent otherUp(QEvent::KeyRelease, other, Qt::NoModifier, text);
        QTest::keyPress(w.button, Qt::Key_Space);
        QApplication::sendEvent(w.button, &otherDown);
        QTest::keyRelease(w.button, Qt::Key_Space);
        QApplication::sendEvent(w.button, &otherUp);
        EXPECT_EQ(clicks.count(), 2) << std::hex << other;
        EXPECT_NE(keyDowns.last().at(0).value<short>(), 0);
        EXPECT_EQ(keyUps.last().at(0), keyDowns.last().at(0));
    }
    EXPECT_EQ(keyDowns.count(), 2 + 2 + 2 * 3);

    // A held Space repeats its key-down; only its last release clicks.
    QTest::keyPress(w.button, Qt::Key_Space);
    QKeyEvent repeatUp(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ", true);
    QApplication::sendEvent(w.button, &repeatUp);
    QKeyEvent repeatDown(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
    QApplication::sendEvent(w.button, &repeatDown);
    QTest::keyRelease(w.button, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 3);
}

TEST(CommandButtonWidget, ArrowKeysMoveTheFocusAfterRaisingKeyDown)
{
    ButtonWindow w;
    auto* second =
        new CommandButton(ButtonAmbient{ButtonFont{}, designs::kHostForeColour, "CommandButton2"}, w.window.get());
    second->setGeometry(10, 50, 100, 30);
    second->show();
    w.button->setFocus();
    QSignalSpy keyDowns(w.button, &CommandButton::KeyDown);

    QTest::keyClick(w.button, Qt::Key_Right);
    EXPECT_TRUE(w.button->hasFocus());  // the Tab is queued, as if typed
    EXPECT_TRUE(QTest::qWaitFor([&] { return second->hasFocus(); }, 1000));
    EXPECT_EQ(keyDowns.at(0).at(0).value<short>(), 39);
    EXPECT_EQ(At(second->Image(), 50, 1), kFocusTop);

    QTest::keyClick(second, Qt::Key_Up);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.button->hasFocus(); }, 1000));
}

TEST(CommandButtonWidget, AltWithTheAccessKeyClicksEvenAfterARightPress)
{
    ButtonWindow w("&Apply");
    EXPECT_EQ(w.button->Host().AccessKey(), "a");
    QSignalSpy clicks(w.button, &CommandButton::Click);
    QTest::mouseClick(w.button, Qt::RightButton, Qt::NoModifier, QPoint(30, 12));
    QTest::keyClick(w.window.get(), Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);

    w.button->Host().SetCaption("Save && Exit");  // no access key any more
    QTest::keyClick(w.window.get(), Qt::Key_A, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
}

TEST(CommandButtonWidget, DisabledItDrawsThePaleLookAndTakesNoInput)
{
    ButtonWindow w;
    QSignalSpy changed(w.button, &CommandButton::propertyChanged);
    QSignalSpy clicks(w.button, &CommandButton::Click);
    w.button->Host().SetEnabled(false);
    EXPECT_FALSE(w.button->isEnabled());
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toString(), "Enabled");
    const QImage image = w.button->Image();
    EXPECT_EQ(At(image, 50, 0), Rgb(201, 199, 186));
    EXPECT_EQ(At(image, 5, 5), Rgb(245, 244, 234));
    EXPECT_EQ(At(image, 1, 1), Rgb(216, 213, 199));
    QTest::mouseClick(w.button, Qt::LeftButton, Qt::NoModifier, QPoint(30, 12));
    QTest::keyClick(w.button, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 0);
}

TEST(CommandButtonWidget, DisabledUnderTheRestingPointerItLosesTheHoverAtTheNextTick)
{
    SKIP_UNLESS_OFFSCREEN();
    ButtonWindow w;
    QSignalSpy out(w.button, &CommandButton::MouseOut);
    w.MoveTo(20, 10);
    ASSERT_EQ(At(w.button->Image(), 1, 2), kHoverOuterTop);
    w.button->Host().SetEnabled(false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return out.count() == 1; }, 1000));
    EXPECT_FALSE(w.button->HoverTimer().Enabled());
    w.button->Host().SetEnabled(true);
    EXPECT_NE(At(w.button->Image(), 1, 2), kHoverOuterTop) << "no hover look before the pointer moves";
}

TEST(CommandButtonWidget, ReadsItsDesignEntriesAndWritesThemBack)
{
    designs::WindowDesign window;
    designs::ControlDesign design;
    design.kind = designs::ControlKind::CommandButton;
    design.name = "CommandButton3";
    design.position = designs::TwipPoint{150, 300};
    design.size = designs::TwipSize{1500, 450};
    design.properties = {{"enabled", "0"},
                         {"font", R"({"Arial", 9.75, 700, 0, -1, 0, 0})"},
                         {"caption", R"("E&xit")"},
                         {"forecolor", "&H000000FF&"},
                         {"forehover", "&H00743C00&"},
                         {"_extentx", "&H00000A5A&"},
                         {"_extenty", "&H000002FA&"}};
    QWidget parent;
    int clicked = 0;
    CommandButton* button = MakeCommandButton(design, window, &parent, [&] { ++clicked; });
    EXPECT_EQ(button->objectName(), "CommandButton3");
    EXPECT_EQ(button->geometry(), QRect(10, 20, 100, 30));
    EXPECT_FALSE(button->Host().Enabled());
    EXPECT_FALSE(button->isEnabled());
    EXPECT_EQ(button->Host().Font(), (ButtonFont{"Arial", 9.75, 700, 0, true, false, false}));
    EXPECT_EQ(button->Host().Caption(), "E&xit");
    EXPECT_EQ(button->Host().AccessKey(), "x");
    EXPECT_EQ(button->Host().ForeColor(), Rgb(255, 0, 0));
    EXPECT_EQ(button->Host().ForeHover(), Rgb(0, 60, 116));
    EXPECT_EQ(button->Host().WriteEntries(design.properties), design.properties);

    button->Host().SetEnabled(true);
    parent.show();  // a button learns its size when it is first shown; only then can it be clicked
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(30, 12));
    EXPECT_EQ(clicked, 1);
}

TEST(CommandButtonWidget, PointerIsOverOnlyWhereTheButtonItselfIsUnderIt)
{
    SKIP_UNLESS_OFFSCREEN();
    ButtonWindow w;
    const auto overAt = [&](int x, int y) {
        w.MoveTo(x, y);
        return w.button->IsPointerOver();
    };
    EXPECT_TRUE(overAt(50, 15));
    EXPECT_TRUE(overAt(1, 0));
    EXPECT_FALSE(overAt(0, 0));  // a cut corner shows the window below
    EXPECT_FALSE(overAt(100, 15));
    EXPECT_TRUE(overAt(50, 15));
    // What the window system reports when another window comes up under the pointer (offscreen
    // keeps no stacking order; the benchmark checks it under a real X server).
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(w.window->windowHandle(), &leave);
    EXPECT_FALSE(w.button->IsPointerOver());
}

TEST(CommandButtonWidget, HoverTimerAsksForOneMillisecondAndRunsAtTheMinimum)
{
    ButtonWindow w;
    EXPECT_EQ(w.button->HoverTimer().Interval(), 1);
    EXPECT_EQ(w.button->HoverTimer().EffectiveInterval(), 10);
    EXPECT_FALSE(w.button->HoverTimer().Enabled());  // only while the hover look is shown
}

}  // namespace
}  // namespace pelmora::qt
