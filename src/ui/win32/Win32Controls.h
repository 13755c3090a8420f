#pragma once

#include "Win32PictureBox.h"
#include "designs/WindowDesign.h"
#include "platform/WindowsApi.h"

#include <memory>

namespace pelmora::win32 {

// The window of one designed control, hidden or shown as designed, not yet placed.
struct MadeControl {
    HWND window = nullptr;
    std::unique_ptr<PictureBox> picture;  // picture boxes and images
};

// Creates the control of a design's kind as a child of `parent` with the given id. Labels are
// static controls, text boxes edit controls that take any length, pictures PictureBox windows
// (the window gives a design's own picture once it knows its DPI).
// Buttons are the one kind left to the hover-button window class; until it is there, a design's
// button is the system's push button with the design's caption, so every command is reachable.
MadeControl MakeControl(const designs::ControlDesign& design, HWND parent, int id, const PixelBlock& backdrop);

// The caption a hover button's stored entries give it ("caption"), its name when they give none.
std::string ButtonCaption(const designs::ControlDesign& design);

// Parses a design's menu shortcut ("Ctrl+O", "Ctrl+Shift+F2") into an accelerator; false when
// it is not one.
bool ShortcutAccelerator(std::string_view shortcut, WORD id, ACCEL& accelerator);

}  // namespace pelmora::win32
