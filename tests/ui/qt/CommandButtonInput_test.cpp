// Qt's input in the hover button's terms, the timer element's rule, and captions drawn by Qt.
#include "QtButtonInput.h"
#include "QtTextRenderer.h"
#include "QtTimerElement.h"

#include <gtest/gtest.h>

#include <vector>

namespace pelmora::qt {
namespace {

TEST(TimerElement, AnIntervalBelowTenMillisecondsRunsAtTen)
{
    const std::vector<std::pair<int, int>> table{{-5, 10}, {0, 10}, {1, 10}, {9, 10}, {10, 10}, {11, 11}, {1000, 1000}};
    for (const auto& [asked, runs] : table)
        EXPECT_EQ(EffectiveTimerIntervalMs(asked), runs) << asked;
    TimerElement timer(1);
    EXPECT_EQ(timer.EffectiveInterval(), 10);
    EXPECT_FALSE(timer.Enabled());
}

TEST(CommandButtonInput, KeysBecomeVirtualKeyCodes)
{
    const std::vector<std::tuple<int, bool, int>> table{
        {Qt::Key_Space, false, 32}, {Qt::Key_Return, false, 13}, {Qt::Key_Enter, true, 13},
        {Qt::Key_Left, false, 37},  {Qt::Key_Up, false, 38},     {Qt::Key_Right, false, 39},
        {Qt::Key_Down, false, 40},  {Qt::Key_Shift, false, 16},  {Qt::Key_A, false, 65},
        {Qt::Key_Z, false, 90},     {Qt::Key_7, false, 55},      {Qt::Key_7, true, 103},
        {Qt::Key_F1, false, 112},   {Qt::Key_Minus, false, 189}, {Qt::Key_Minus, true, 109},
        {Qt::Key_Escape, false, 27}, {Qt::Key_Delete, false, 46}, {Qt::Key_MediaPlay, false, 0}};
    for (const auto& [key, keypad, code] : table)
        EXPECT_EQ(VirtualKeyOf(key, keypad), code) << std::hex << key;
}

// Every key has a code, so every key-down counts: one without a virtual-key code takes its
// letter's code in the ANSI code page, else the platform's code for keys without one.
TEST(CommandButtonInput, KeysWithoutAVirtualKeyCodeStillHaveOne)
{
    const std::vector<std::pair<int, int>> table{
        {Qt::Key_Adiaeresis, 196}, {Qt::Key_Odiaeresis, 214}, {Qt::Key_ssharp, 223}, {Qt::Key_section, 167},
        {Qt::Key_AltGr, 18},       {Qt::Key_Super_L, 91},     {Qt::Key_MediaPlay, 255}, {Qt::Key_Dead_Circumflex, 255},
        {0x0414, 255} /* a Cyrillic letter, not in the code page */, {Qt::Key_unknown, 255}};
    for (const auto& [key, code] : table) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        EXPECT_EQ(KeyCodeOf(event), code) << std::hex << key;
    }
    QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    EXPECT_EQ(KeyCodeOf(space), 32);
}

TEST(CommandButtonInput, ShiftButtonsAndCharactersAsTheEventsCodeThem)
{
    EXPECT_EQ(ShiftStateOf(Qt::NoModifier), 0);
    EXPECT_EQ(ShiftStateOf(Qt::ShiftModifier | Qt::AltModifier), 5);
    EXPECT_EQ(ShiftStateOf(Qt::ControlModifier | Qt::KeypadModifier), 2);
    EXPECT_EQ(MouseButtonsOf(Qt::LeftButton), 1);
    EXPECT_EQ(MouseButtonsOf(Qt::RightButton | Qt::MiddleButton), 6);
    EXPECT_EQ(KeyAsciiOf(""), 0);
    EXPECT_EQ(KeyAsciiOf("a"), 97);
    EXPECT_EQ(KeyAsciiOf("\r"), 13);
    EXPECT_EQ(KeyAsciiOf(QString::fromUtf8("\xC3\xA9")), 0xE9);  // é in the ANSI code page
}

struct Raster {
    explicit Raster(int w, int h) : pixels(static_cast<std::size_t>(w * h), 0xFFFFFFFFu), view{pixels.data(), w, h, w} {}
    int Painted(int top = 0, int bottom = -1) const
    {
        int n = 0;
        for (int y = top; y < (bottom < 0 ? view.height : bottom); ++y)
            for (int x = 0; x < view.width; ++x)
                n += view.Row(y)[x] != 0xFFFFFFFFu;
        return n;
    }
    std::vector<std::uint32_t> pixels;
    PixelView view;
};

constexpr unsigned kWrapCentre = TextFlag::kWordBreak | TextFlag::kCenter;

TEST(QtTextRenderer, AmpersandsFollowThePrefixRuleWhenMeasured)
{
    QtTextRenderer text;
    const ButtonFont font;
    EXPECT_EQ(text.Measure("&Apply", 200, kWrapCentre, font).width, text.Measure("Apply", 200, kWrapCentre, font).width);
    const auto width = [&](const char* caption) { return text.Measure(caption, 200, kWrapCentre, font).width; };
    EXPECT_GT(width("A&&B"), width("AB"));  // "&&" draws one "&"
    EXPECT_LT(width("A&&B"), width("A&&&&B"));
    const TextExtent oneLine = text.Measure("Apply Support Information", 400, kWrapCentre, font);
    const TextExtent wrapped = text.Measure("Apply Support Information", oneLine.width / 2, kWrapCentre, font);
    EXPECT_GE(wrapped.height, 2 * oneLine.height - 1);
    text.SetScale(2);
    EXPECT_GE(text.Measure("Apply", 200, kWrapCentre, font).height, 2 * oneLine.height - 2);
}

TEST(QtTextRenderer, DrawsOnlyInsideTheClipAndUnderlinesTheAccessCharacter)
{
    QtTextRenderer text;
    const ButtonFont font;
    const CanvasRect rect{0, 0, 60, 20};
    Raster plain(60, 20), marked(60, 20), clipped(60, 20);
    text.Draw(plain.view, "Apply", rect, rect, kWrapCentre, 0xFF000000u, font);
    text.Draw(marked.view, "&Apply", rect, rect, kWrapCentre, 0xFF000000u, font);
    text.Draw(clipped.view, "Apply", rect, CanvasRect{0, 0, 60, 8}, kWrapCentre, 0xFF000000u, font);
    EXPECT_GT(plain.Painted(), 10);
    EXPECT_GT(marked.Painted(), plain.Painted());  // the underline
    EXPECT_EQ(clipped.Painted(8), 0);
    EXPECT_EQ(clipped.Painted(0, 8), plain.Painted(0, 8));
}

}  // namespace
}  // namespace pelmora::qt
