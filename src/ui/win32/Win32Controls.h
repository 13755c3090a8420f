#pragma once

#include "Win32CommandButton.h"
#include "Win32PictureBox.h"
#include "designs/WindowDesign.h"
#include "platform/WindowsApi.h"

#include <memory>

namespace pelmora::win32 {

// The window of one designed control, hidden or shown as designed, at its place.
struct MadeControl {
    HWND window = nullptr;
    std::unique_ptr<PictureBox> picture;    // picture boxes and images
    std::unique_ptr<CommandButton> button;  // hover buttons
};

// Where a control goes: its window, id and rectangle in the window's client area, and the DPI
// its caption is drawn at.
struct ControlSite {
    HWND parent = nullptr;
    int id = 0;
    RECT place{};
    UINT dpi = 0;
};

// Creates the control of a design's kind (in `window`) at its site, so it is never moved after
// it is made. Labels are static controls, text boxes edit controls that take any length, pictures
// PictureBox windows (the window gives a design's own picture once it knows its DPI), buttons
// hover buttons (CommandButton) that read their design's entries.
MadeControl MakeControl(const designs::ControlDesign& design, const designs::WindowDesign& window,
                        const ControlSite& site, const PixelBlock& backdrop);

// Parses a design's menu shortcut ("Ctrl+O", "Ctrl+Shift+F2") into an accelerator; false when
// it is not one.
bool ShortcutAccelerator(std::string_view shortcut, WORD id, ACCEL& accelerator);

}  // namespace pelmora::win32
