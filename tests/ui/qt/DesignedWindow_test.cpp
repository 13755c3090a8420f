#include "QtControls.h"
#include "QtDesignedWindow.h"
#include "designs/ControlLook.h"
#include "designs/Twips.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace pelmora::qt {
namespace {

using designs::ControlDesign;
using designs::ControlKind;

void ForEachControl(const std::vector<ControlDesign>& controls, const std::function<void(const ControlDesign&)>& visit)
{
    for (const ControlDesign& control : controls) {
        visit(control);
        ForEachControl(control.children, visit);
    }
}

// Each control as its design has it: name, text, visibility, place; for every window.
TEST(DesignedWindow, BuildsEveryControlOfEachDesign)
{
    for (const char* file : {"Form1.design", "sinf.design", "Form2z.design", "cwin.design"}) {
        SCOPED_TRACE(file);
        designs::WindowDesign design = designs::EmbeddedDesign(file);
        DesignedWindow window(design);
        EXPECT_EQ(window.objectName().toStdString(), design.name);
        EXPECT_EQ(window.windowTitle().toStdString(), design.caption);
        EXPECT_EQ(window.Client()->size(), QSize(designs::TwipsToPixels(design.clientSize.width),
                                                 designs::TwipsToPixels(design.clientSize.height)));
        ForEachControl(design.controls, [&](const ControlDesign& control) {
            SCOPED_TRACE(control.name);
            if (control.kind == ControlKind::Menu) {
                auto* menu = window.findChild<QMenu*>(QString::fromStdString(control.name));
                ASSERT_NE(menu, nullptr);
                EXPECT_EQ(menu->title().toStdString(), control.text);
                return;
            }
            if (control.kind == ControlKind::MenuItem) {
                QAction* item = window.MenuItem(control.name);
                ASSERT_NE(item, nullptr);
                EXPECT_EQ(item->objectName().toStdString(), control.name);
                EXPECT_EQ(item->text().toStdString(), control.text);
                EXPECT_EQ(item->shortcut().toString(QKeySequence::PortableText).toStdString(), control.shortcut);
                return;
            }
            QWidget* widget = window.Control(control.name);
            if (designs::HeldWithoutWindow(control)) {
                EXPECT_EQ(widget, nullptr) << "a hidden control has no widget";
                if (control.kind != ControlKind::PictureBox && control.kind != ControlKind::Image) {
                    EXPECT_EQ(window.Text(control.name), control.text);
                }
                return;
            }
            ASSERT_NE(widget, nullptr);
            EXPECT_EQ(widget->objectName().toStdString(), control.name);
            EXPECT_EQ(widget->isVisibleTo(&window), control.visible);
            EXPECT_EQ(widget->parentWidget(), window.Client());
            if (control.kind == ControlKind::Label || control.kind == ControlKind::TextBox) {
                EXPECT_EQ(window.Text(control.name), control.text);
            }
            if (control.position && !control.autoSize) {
                EXPECT_EQ(widget->geometry(), QRect(designs::TwipsToPixels(control.position->x),
                                                    designs::TwipsToPixels(control.position->y),
                                                    designs::TwipsToPixels(control.size->width),
                                                    designs::TwipsToPixels(control.size->height)));
            }
        });
    }
}

TEST(DesignedWindow, MainWindowHasItsClientSizeUnderTheMenuBar)
{
    DesignedWindow window(designs::EmbeddedDesign("Form1.design"));
    window.show();
    EXPECT_EQ(window.Client()->size(), QSize(520, 431));
    auto* bar = window.findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(window.size(), QSize(520, bar->height() + 431));
    EXPECT_EQ(window.Client()->y(), bar->height());
    EXPECT_EQ(window.minimumSize(), window.maximumSize());  // a fixed border: not resizable
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST(DesignedWindow, ButtonsAndMenuItemsAnnounceTheirNames)
{
    DesignedWindow window(designs::EmbeddedDesign("Form1.design"));
    QSignalSpy spy(&window, &DesignedWindow::CommandRequested);
    window.show();
    QTest::mouseClick(window.Control("CommandButton4"), Qt::LeftButton);
    window.MenuItem("ww")->trigger();
    window.MenuItem("on")->trigger();
    QTest::mouseClick(window.Control("Label3"), Qt::LeftButton);  // labels announce nothing
    ASSERT_EQ(spy.count(), 3);
    EXPECT_EQ(spy.at(0).at(0).toString(), "CommandButton4");
    EXPECT_EQ(spy.at(1).at(0).toString(), "ww");
    EXPECT_EQ(spy.at(2).at(0).toString(), "on");
}

// The shortcuts belong to the whole window: they work with the focus in a text box, which
// would otherwise take Ctrl+A and Ctrl+E for its own editing.
TEST(DesignedWindow, MenuShortcutsWorkFromAnywhereInTheWindow)
{
    DesignedWindow window(designs::EmbeddedDesign("Form1.design"));
    QSignalSpy spy(&window, &DesignedWindow::CommandRequested);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    const std::pair<Qt::Key, const char*> keys[] = {
        {Qt::Key_O, "ol"}, {Qt::Key_A, "al"}, {Qt::Key_E, "esi"}, {Qt::Key_Q, "ex"}};
    for (const char* focus : {"Text2", "Text1", "Text8"}) {
        QWidget* box = window.Control(focus);
        box->setFocus();
        for (const auto& [key, item] : keys) {
            spy.clear();
            QTest::keyClick(box, key, Qt::ControlModifier);
            ASSERT_EQ(spy.count(), 1) << focus << " " << item;
            EXPECT_EQ(spy.at(0).at(0).toString(), item);
        }
    }
    auto* text2 = qobject_cast<QLineEdit*>(window.Control("Text2"));
    text2->setText("abc");
    text2->setFocus();
    QTest::keyClick(text2, Qt::Key_A, Qt::ControlModifier);
    EXPECT_FALSE(text2->hasSelectedText());  // the menu took it, not the text box
    QTest::keyClick(text2, Qt::Key_X);
    EXPECT_EQ(text2->text(), "abcx");
}

TEST(DesignedWindow, ViewPortReadsAndWritesControlsByName)
{
    DesignedWindow window(designs::EmbeddedDesign("Form2z.design"));
    window.SetText("Text4", "Hollis Brae");
    EXPECT_EQ(window.Text("Text4"), "Hollis Brae");
    window.SetText("L6", "Hollis Brae, and a longer name than the label was made for");
    EXPECT_EQ(window.Text("L6"), "Hollis Brae, and a longer name than the label was made for");
    auto* owner = qobject_cast<QLabel*>(window.Control("L6"));
    EXPECT_GE(owner->width(), owner->sizeHint().width());  // sizes itself to its text
    EXPECT_EQ(window.Text("no such control"), "");
    window.SetText("no such control", "x");  // ignored
}

// A text box holds any length the store does, set from a stored value or typed on to it.
TEST(DesignedWindow, TextBoxesTakeAnyLength)
{
    const std::string longText(100000, 'w');
    for (const char* file : {"Form1.design", "sinf.design", "Form2z.design", "cwin.design"}) {
        DesignedWindow window(designs::EmbeddedDesign(file));
        ForEachControl(window.Design().controls, [&](const ControlDesign& control) {
            if (control.kind != ControlKind::TextBox)
                return;
            SCOPED_TRACE(std::string(file) + " " + control.name);
            window.SetText(control.name, longText);
            EXPECT_EQ(window.Text(control.name).size(), longText.size());
            if (designs::HeldWithoutWindow(control))
                return;  // nothing to type into
            auto* box = qobject_cast<QLineEdit*>(window.Control(control.name));
            ASSERT_NE(box, nullptr);
            box->end(false);
            QTest::keyClicks(box, "xy");
            EXPECT_EQ(window.Text(control.name), longText + "xy");
        });
    }
}

}  // namespace
}  // namespace pelmora::qt
