#pragma once

// Qt's input in the hover button's terms: key codes as the platform's virtual-key codes, the
// Shift argument and mouse buttons as the button's events code them, typed characters in the
// ANSI code page.

#include <QKeyEvent>
#include <QString>

#include <cstdint>

namespace pelmora::qt {

// The virtual-key code of a Qt key (Space 32, Enter 13, Left 37, ..., 'A' 65); `keypad` for
// keys of the numeric keypad. 0 for a key the platform has no code for.
std::int16_t VirtualKeyOf(int qtKey, bool keypad = false);

// The code of a key VirtualKeyOf has none for: the code of the letter or sign it stands for in
// the ANSI code page, in upper case as the letters' codes are (Ä 196), else 255, the code the
// platform gives a key without a virtual-key code of its own. Never 0: every key counts.
std::int16_t UnmappedKeyCode(int qtKey);

// The key code of a key event: VirtualKeyOf, else UnmappedKeyCode.
std::int16_t KeyCodeOf(const QKeyEvent& event);

// Shift 1, Ctrl 2, Alt 4, summed.
std::int16_t ShiftStateOf(Qt::KeyboardModifiers modifiers);

// Left 1, right 2, middle 4, summed.
std::int16_t MouseButtonsOf(Qt::MouseButtons buttons);

// The character a key typed, as its code in the ANSI code page; 0 when it typed none.
std::int16_t KeyAsciiOf(const QString& text);

}  // namespace pelmora::qt
