#include "QtButtonInput.h"

#include "platform/AnsiText.h"

#include <utility>

namespace pelmora::qt {

namespace {

// Keys whose code is not their character's.
constexpr std::pair<int, std::int16_t> kKeyCodes[] = {
    {Qt::Key_Backspace, 8},  {Qt::Key_Tab, 9},         {Qt::Key_Backtab, 9},     {Qt::Key_Clear, 12},
    {Qt::Key_Return, 13},    {Qt::Key_Enter, 13},      {Qt::Key_Shift, 16},      {Qt::Key_Control, 17},
    {Qt::Key_Alt, 18},       {Qt::Key_AltGr, 18},      {Qt::Key_Pause, 19},      {Qt::Key_CapsLock, 20},   {Qt::Key_Escape, 27},
    {Qt::Key_Space, 32},     {Qt::Key_PageUp, 33},     {Qt::Key_PageDown, 34},   {Qt::Key_End, 35},
    {Qt::Key_Home, 36},      {Qt::Key_Left, 37},       {Qt::Key_Up, 38},         {Qt::Key_Right, 39},
    {Qt::Key_Down, 40},      {Qt::Key_Print, 44},      {Qt::Key_Insert, 45},     {Qt::Key_Delete, 46},
    {Qt::Key_Help, 47},      {Qt::Key_Meta, 91},       {Qt::Key_Super_L, 91},    {Qt::Key_Super_R, 92},
    {Qt::Key_Menu, 93},      {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},
    // Punctuation of the US layout, either shift state.
    {Qt::Key_Semicolon, 186}, {Qt::Key_Colon, 186},    {Qt::Key_Equal, 187},     {Qt::Key_Plus, 187},
    {Qt::Key_Comma, 188},    {Qt::Key_Less, 188},      {Qt::Key_Minus, 189},     {Qt::Key_Underscore, 189},
    {Qt::Key_Period, 190},   {Qt::Key_Greater, 190},   {Qt::Key_Slash, 191},     {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192}, {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219}, {Qt::Key_BraceLeft, 219},
    {Qt::Key_Backslash, 220}, {Qt::Key_Bar, 220},      {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221},
    {Qt::Key_Apostrophe, 222}, {Qt::Key_QuoteDbl, 222},
    // Shifted digits of the US layout.
    {Qt::Key_Exclam, 49},    {Qt::Key_At, 50},         {Qt::Key_NumberSign, 51}, {Qt::Key_Dollar, 52},
};

std::int16_t KeypadCode(int qtKey)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return static_cast<std::int16_t>(96 + (qtKey - Qt::Key_0));
    switch (qtKey) {
    case Qt::Key_Asterisk: return 106;
    case Qt::Key_Plus: return 107;
    case Qt::Key_Minus: return 109;
    case Qt::Key_Period: case Qt::Key_Comma: return 110;
    case Qt::Key_Slash: return 111;
    default: return 0;
    }
}

}  // namespace

std::int16_t VirtualKeyOf(int qtKey, bool keypad)
{
    if (keypad)
        if (const std::int16_t code = KeypadCode(qtKey))
            return code;
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return static_cast<std::int16_t>(qtKey);  // Qt's codes are the characters, as the platform's
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return static_cast<std::int16_t>(112 + (qtKey - Qt::Key_F1));
    for (const auto& [key, code] : kKeyCodes)
        if (key == qtKey)
            return code;
    return 0;
}

std::int16_t UnmappedKeyCode(int qtKey)
{
    constexpr std::int16_t kNoVirtualKey = 255;
    // Qt's codes below its special keys are the characters the keys stand for.
    if (qtKey <= 0x20 || qtKey >= 0x10000)
        return kNoVirtualKey;
    const QChar upper = QChar(static_cast<char16_t>(qtKey)).toUpper();
    const std::int16_t code = KeyAsciiOf(QString(upper));
    return code == 0 || (code == '?' && upper != u'?') ? kNoVirtualKey : code;
}

std::int16_t KeyCodeOf(const QKeyEvent& event)
{
    if (const std::int16_t code = VirtualKeyOf(event.key(), event.modifiers().testFlag(Qt::KeypadModifier)))
        return code;
    return UnmappedKeyCode(event.key());
}

std::int16_t ShiftStateOf(Qt::KeyboardModifiers modifiers)
{
    return static_cast<std::int16_t>((modifiers.testFlag(Qt::ShiftModifier) ? 1 : 0) |
                                     (modifiers.testFlag(Qt::ControlModifier) ? 2 : 0) |
                                     (modifiers.testFlag(Qt::AltModifier) ? 4 : 0));
}

std::int16_t MouseButtonsOf(Qt::MouseButtons buttons)
{
    return static_cast<std::int16_t>((buttons.testFlag(Qt::LeftButton) ? 1 : 0) |
                                     (buttons.testFlag(Qt::RightButton) ? 2 : 0) |
                                     (buttons.testFlag(Qt::MiddleButton) ? 4 : 0));
}

std::int16_t KeyAsciiOf(const QString& text)
{
    if (text.isEmpty())
        return 0;
    const QByteArray first = QString(text.at(0)).toUtf8();
    const std::string ansi = ToAnsi(std::string_view(first.constData(), static_cast<std::size_t>(first.size())));
    return ansi.empty() ? 0 : static_cast<std::int16_t>(static_cast<unsigned char>(ansi[0]));
}

}  // namespace pelmora::qt
