#include "controls/ButtonDrawingTestSupport.h"
#include "controls/CaptionLayout.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

namespace pelmora::testing {
namespace {

const Colour kWhite = Rgb(255, 255, 255);
const Colour kFrame = Rgb(0, 60, 116);
const Colour kBevel = Rgb(122, 149, 168);      // C of the border's corners
const Colour kBevelInner = Rgb(37, 87, 131);   // D

// Letters for the colours of the looks; '.' is the window background.
const std::map<Colour, char> kLegend = {
    {kWhite, '.'}, {kFrame, 'F'}, {kBevel, 'C'}, {kBevelInner, 'D'},
    // face shading (1 lowest) and gradient start
    {Rgb(214, 208, 197), '1'}, {Rgb(226, 223, 214), '2'}, {Rgb(236, 235, 230), '3'},
    {Rgb(255, 255, 253), 'g'}, {Rgb(254, 254, 252), 'h'}, {Rgb(253, 253, 251), 'i'},
    // focus edge
    {Rgb(206, 231, 251), 'a'}, {Rgb(188, 212, 246), 'b'}, {Rgb(186, 211, 246), 'c'},
    {Rgb(182, 208, 245), 'd'}, {Rgb(178, 205, 244), 'e'}, {Rgb(77, 125, 193), 'k'}, {Rgb(97, 125, 229), 'm'},
    // hover edge
    {Rgb(255, 240, 207), 'A'}, {Rgb(253, 216, 137), 'B'}, {Rgb(254, 223, 154), 'O'},
    {Rgb(253, 220, 147), 'P'}, {Rgb(252, 210, 121), 'I'}, {Rgb(251, 206, 113), 'J'}, {Rgb(229, 151, 0), 'R'},
    // pressed face
    {Rgb(226, 225, 218), 'q'}, {Rgb(225, 224, 217), 'Q'}, {Rgb(209, 204, 192), 't'},
    {Rgb(220, 216, 207), 'u'}, {Rgb(234, 233, 227), 'v'}, {Rgb(242, 241, 238), 'w'},
    // disabled
    {Rgb(245, 244, 234), 'p'}, {Rgb(201, 199, 186), 'r'}, {Rgb(216, 213, 199), 'x'}, {Rgb(234, 233, 222), 'y'},
};

std::string Art(PaintedButton& button) { return AsciiArt(button.canvas, kLegend); }

TEST(ButtonPainterNormal, HundredByThirtyFaceRowByRow)
{
    PaintedButton button(100, 30);
    button.Draw();

    // Colour of columns 2 to 97 of each row.
    std::map<int, Colour> rows = {{0, kFrame}, {1, kWhite}, {2, kWhite}, {26, Rgb(236, 235, 230)},
                                  {27, Rgb(226, 223, 214)}, {28, Rgb(214, 208, 197)}, {29, kFrame}};
    for (int y = 3; y <= 25; ++y) rows[y] = Rgb(255 - (y - 3), 255 - (y - 3), 253 - (y - 3));
    ASSERT_EQ(rows[25], Rgb(233, 233, 231));
    for (const auto& [y, colour] : rows) {
        for (int x = 2; x <= 97; ++x) {
            ASSERT_EQ(button.canvas.ColourAt(x, y), colour) << "(" << x << ", " << y << ")";
        }
    }

    // Outer columns: frame, with the bevelled corner pixels.
    for (int y = 2; y <= 27; ++y) {
        EXPECT_EQ(button.canvas.ColourAt(0, y), kFrame) << y;
        EXPECT_EQ(button.canvas.ColourAt(99, y), kFrame) << y;
    }
    const std::pair<int, int> bevel[] = {{0, 1}, {1, 0}, {98, 0}, {99, 1}, {0, 28}, {1, 29}, {99, 28}, {98, 29}};
    for (const auto& [x, y] : bevel) EXPECT_EQ(button.canvas.ColourAt(x, y), kBevel) << x << ", " << y;
    const std::pair<int, int> inner[] = {{1, 1}, {98, 1}, {1, 28}, {98, 28}};
    for (const auto& [x, y] : inner) EXPECT_EQ(button.canvas.ColourAt(x, y), kBevelInner) << x << ", " << y;
}

TEST(ButtonPainterNormal, GradientStopsAtItsDarkestStep)
{
    PaintedButton button(10, 60);
    button.Draw();
    EXPECT_EQ(button.canvas.ColourAt(5, 27), Rgb(231, 231, 229));
    EXPECT_EQ(button.canvas.ColourAt(5, 28), Rgb(231, 231, 229));
    EXPECT_EQ(button.canvas.ColourAt(5, 55), Rgb(231, 231, 229));
}

// Below six rows the gradient is skipped and the fixed lines overlap each other and the frame.
TEST(ButtonPainterNormal, SmallButtonsKeepTheFixedLines)
{
    const struct {
        int width, height;
        const char* art;
    } cases[] = {
        {6, 5, "FCFFCF\n"
               "CD33DC\n"
               "F2222F\n"
               "CD11DC\n"
               "FCFFCF\n"},
        {4, 4, "FCCF\n"
               "CDDC\n"
               "CDDC\n"
               "FCCF\n"},
        {3, 3, "FCF\n"
               "CDC\n"
               "FCF\n"},
    };
    for (const auto& c : cases) {
        PaintedButton button(c.width, c.height);
        EXPECT_EQ(Art(button.Draw()), c.art) << c.width << " x " << c.height;
    }
}

TEST(ButtonPainterFocus, EdgeAtHeightEight)
{
    PaintedButton button(8, 8);
    button.fields.m_Focused = -1;
    // Side strokes of width 2 for y = 3 (c) and 4 (d); the bottom line takes the next step (e).
    EXPECT_EQ(Art(button.Draw()), "FCFFFFCF\n"
                                  "CDaaaaDC\n"
                                  "FccbbccF\n"
                                  "FddggddF\n"
                                  "Fdd33ddF\n"
                                  "FeeeeedF\n"
                                  "CDkmmkDC\n"
                                  "FCFFFFCF\n");
}

TEST(ButtonPainterHover, EdgeAtHeightSixWinsOverFocus)
{
    const char* expected = "FCFFFFCF\n"
                           "CDAAAADC\n"
                           "FOBBBBOF\n"
                           "FPIJJJJF\n"
                           "CDRRRRDC\n"
                           "FCFFFFCF\n";
    PaintedButton hover(8, 6);
    hover.fields.m_Hover = -1;
    EXPECT_EQ(Art(hover.Draw()), expected);

    PaintedButton both(8, 6);
    both.fields.m_Hover = -1;
    both.fields.m_Focused = -1;
    EXPECT_EQ(Art(both.Draw()), expected);
}

TEST(ButtonPainterHover, SidesDarkenToTheirLastStep)
{
    PaintedButton button(10, 40);
    button.fields.m_Hover = -1;
    button.Draw();
    EXPECT_EQ(button.canvas.ColourAt(1, 36), Rgb(238, 175, 42));  // outer side, last row
    EXPECT_EQ(button.canvas.ColourAt(2, 36), Rgb(243, 174, 49));  // inner side
    EXPECT_EQ(button.canvas.ColourAt(5, 37), Rgb(243, 174, 49));  // bottom line in the inner colour
}

TEST(ButtonPainterPressed, FlatFaceOfFourPixelBands)
{
    PaintedButton button(8, 10);
    button.fields.m_Button = 1;
    EXPECT_EQ(Art(button.Draw(1)), "FCFFFFCF\n"
                                   "CDttttDC\n"
                                   "FuuuuuuF\n"
                                   "FqqqqqqF\n"
                                   "FqqqqqqF\n"
                                   "FQQQQQQF\n"
                                   "FQQQQQQF\n"
                                   "FvvvvvvF\n"
                                   "CDwwwwDC\n"
                                   "FCFFFFCF\n");
}

// Row 1 tells the looks apart: pressed t, hover A, focus a, normal background, disabled face.
TEST(ButtonPainterLooks, ChosenInOrderDisabledPressedHoverFocus)
{
    const struct {
        std::int16_t enabled, button, request, hover, focused;
        char look;
    } cases[] = {
        {-1, 1, 1, 0, 0, 't'},   {-1, 1, 1, -1, -1, 't'}, {-1, 2, 1, 0, 0, '.'},  {-1, 4, 1, -1, 0, 'A'},
        {-1, 2, 1, 0, -1, 'a'},  {-1, 1, 0, 0, 0, '.'},   {-1, 0, 1, 0, 0, '.'},  {-1, 1, 0, -1, -1, 'A'},
        {-1, 1, 0, 0, -1, 'a'},  {0, 1, 1, -1, -1, 'p'},  {0, 0, 0, 0, 0, 'p'},
    };
    for (const auto& c : cases) {
        PaintedButton button(12, 10);
        button.fields.m_Enabled = c.enabled;
        button.fields.m_Button = c.button;
        button.fields.m_Hover = c.hover;
        button.fields.m_Focused = c.focused;
        button.Draw(c.request);
        EXPECT_EQ(kLegend.at(button.canvas.ColourAt(4, 1)), c.look)
            << "enabled " << c.enabled << " button " << c.button << " request " << c.request << " hover "
            << c.hover << " focused " << c.focused;
    }
}

TEST(ButtonPainterDisabled, PaleFaceWithoutBorderOrEdge)
{
    PaintedButton button(6, 5);
    button.fields.m_Enabled = 0;
    button.fields.m_Hover = -1;
    button.fields.m_Focused = -1;
    EXPECT_EQ(Art(button.Draw()), "rxrrxr\n"
                                  "xxyyxx\n"
                                  "ryppyr\n"
                                  "xxyyxx\n"
                                  "rxrrxr\n");
}

TEST(ButtonPainterCaption, ColourByState)
{
    const Colour fore = Rgb(10, 20, 30);
    const Colour hoverColour = Rgb(200, 30, 40);
    const struct {
        std::int16_t enabled, hover, focused;
        Colour expected;
    } cases[] = {
        {-1, 0, 0, fore}, {-1, 0, -1, fore}, {-1, -1, 0, hoverColour}, {0, -1, 0, Rgb(161, 161, 146)},
        {0, 0, 0, Rgb(161, 161, 146)},
    };
    for (const auto& c : cases) {
        PaintedButton button(30, 23);
        button.fields.m_Caption = "x";
        button.fields.m_ForeHover = hoverColour;
        button.surface.foreColor = fore;
        button.fields.m_Enabled = c.enabled;
        button.fields.m_Hover = c.hover;
        button.fields.m_Focused = c.focused;
        button.Draw();
        // One 6-pixel cell centred at x 12..17, rows 5..17; its block is x 13..16, rows 7..15.
        EXPECT_EQ(button.canvas.ColourAt(14, 10), c.expected) << c.enabled << " " << c.hover << " " << c.focused;
    }
}

TEST(ButtonPainterCaption, SystemForeColourIsResolved)
{
    PaintedButton button(30, 23);
    button.fields.m_Caption = "x";
    button.Draw();  // design fore colour: the window frame, black here
    EXPECT_EQ(button.canvas.ColourAt(14, 10), Rgb(0, 0, 0));
}

TEST(ButtonPainterCaption, TargetRowsRoundHalfToEven)
{
    EXPECT_EQ(CaptionTargetRect(75, 23, 13), (CanvasRect{0, 5, 75, 18}));
    EXPECT_EQ(CaptionTargetRect(75, 24, 13), (CanvasRect{0, 6, 75, 18}));
    EXPECT_EQ(CaptionTargetRect(40, 30, 26), (CanvasRect{0, 2, 40, 28}));
    EXPECT_EQ(CaptionTargetRect(40, 5, 13), (CanvasRect{0, -4, 40, 9}));
    EXPECT_EQ(CaptionTargetRect(40, 10, 0), (CanvasRect{0, 5, 40, 5}));

    const std::pair<int, int> halves[] = {{23, 12}, {37, 18}, {25, 12}, {27, 14}, {10, 5},
                                          {0, 0},   {-1, 0},  {-3, -2}, {-5, -2}, {-8, -4}};
    for (const auto& [n, half] : halves) EXPECT_EQ(HalfRoundedToEven(n), half) << n;
}

// The caption's underline sits on the last row of its 13-pixel line: inside the rectangle
// (5, 18) at H = 23, cut off by the rectangle (6, 18) at H = 24.
TEST(ButtonPainterCaption, DrawnClippedToTheTargetRectangle)
{
    for (const int height : {23, 24}) {
        PaintedButton button(30, height);
        button.fields.m_Caption = "&x";
        button.surface.foreColor = Rgb(10, 20, 30);
        button.Draw();
        const int top = height == 23 ? 5 : 6;
        EXPECT_NE(button.canvas.ColourAt(14, top + 1), Rgb(10, 20, 30)) << height;
        EXPECT_EQ(button.canvas.ColourAt(14, top + 2), Rgb(10, 20, 30)) << height;
        EXPECT_EQ(button.canvas.ColourAt(12, 17) == Rgb(10, 20, 30), height == 23) << height;
    }
}

TEST(ButtonPainterCaption, WrapsLongCaptionsOverSeveralLines)
{
    PaintedButton button(40, 30);
    button.fields.m_Caption = "Apply OEM";  // 9 cells do not fit in 40 pixels: two lines
    button.surface.foreColor = Rgb(10, 20, 30);
    button.Draw();
    // Lines of 26 pixels from row 2: "Apply" at x 5..34, "OEM" at x 11..28 from row 15.
    EXPECT_EQ(button.canvas.ColourAt(6, 4), Rgb(10, 20, 30));
    EXPECT_NE(button.canvas.ColourAt(6, 17), Rgb(10, 20, 30));
    EXPECT_EQ(button.canvas.ColourAt(12, 17), Rgb(10, 20, 30));
}

TEST(ButtonPainterRegion, LacksExactlyTheFourCorners)
{
    const std::pair<int, int> sizes[] = {{100, 30}, {75, 23}, {6, 6}, {3, 3}, {2, 5}};
    for (const auto& [w, h] : sizes) {
        for (const std::int16_t enabled : {-1, 0}) {
            PaintedButton button(w, h);
            button.fields.m_Enabled = enabled;
            button.fields.m_Hover = -1;
            button.Draw();
            button.Draw();  // the second region replaces the first
            ASSERT_NE(button.canvas.WindowRegion(), nullptr);
            EXPECT_EQ(button.fields.m_ScratchRegion, 0u);
            std::set<std::pair<int, int>> missing;
            for (int y = -1; y <= h; ++y) {
                for (int x = -1; x <= w; ++x) {
                    const bool inside = x >= 0 && y >= 0 && x < w && y < h;
                    if (inside && !button.canvas.WindowRegion()->Contains(x, y)) missing.insert({x, y});
                    if (!inside) {
                        EXPECT_FALSE(button.canvas.WindowRegion()->Contains(x, y));
                    }
                }
            }
            const std::set<std::pair<int, int>> corners = {{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}};
            EXPECT_EQ(missing, corners) << w << " x " << h;
        }
    }
}

}  // namespace
}  // namespace pelmora::testing
