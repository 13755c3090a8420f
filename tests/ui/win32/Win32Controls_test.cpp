#include "Win32Controls.h"

#include <gtest/gtest.h>

namespace pelmora::win32 {
namespace {

TEST(Win32Shortcut, DesignShortcutsBecomeAccelerators)
{
    struct Case {
        const char* shortcut;
        bool valid;
        BYTE modifiers;
        WORD key;
    };
    const Case cases[] = {
        {"Ctrl+O", true, FVIRTKEY | FCONTROL, 'O'},
        {"Ctrl+Shift+F2", true, FVIRTKEY | FCONTROL | FSHIFT, VK_F2},
        {"Alt+4", true, FVIRTKEY | FALT, '4'},
        {"F12", true, FVIRTKEY, VK_F12},
        {"Ctrl+", false, 0, 0},
        {"Ctrl+o", false, 0, 0},   // designs write keys in capitals
        {"O+Ctrl", false, 0, 0},   // the key comes last
        {"Ctrl+F25", false, 0, 0},
        {"Hyper+O", false, 0, 0},
    };
    for (const Case& c : cases) {
        ACCEL accelerator{};
        EXPECT_EQ(ShortcutAccelerator(c.shortcut, 7, accelerator), c.valid) << c.shortcut;
        if (c.valid) {
            EXPECT_EQ(accelerator.fVirt, c.modifiers) << c.shortcut;
            EXPECT_EQ(accelerator.key, c.key) << c.shortcut;
            EXPECT_EQ(accelerator.cmd, 7) << c.shortcut;
        }
    }
}

}  // namespace
}  // namespace pelmora::win32
