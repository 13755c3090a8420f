#include "controls/ButtonDrawingTestSupport.h"
#include "controls/CaptionLayout.h"
#include "controls/GdiCanvas_win32.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

// The raster canvas against the platform's GDI on a memory bitmap (run under Wine here).
//
// Every look and every primitive the button uses must give the same pixels. That includes the
// wide pens: the focus edge's width-2 side strokes and the pressed face's width-4 bands are
// geometric pens with round ends, which GDI paints as the centred band (rows y - w/2 onwards)
// plus an elliptic cap of w x w pixels at both end points; the raster canvas paints the same
// band and caps, so no pixel differs for widths 2 and 4 (nor for 3, 5 and 6, checked below).
// The one known difference is outside the button's needs: a wide pen on a diagonal line, which
// GDI fills as a polygon and the raster canvas as the cap swept along the one-pixel path; it is
// therefore not compared.

namespace pelmora::testing {
namespace {

struct Pair {
    FixedCellTextRenderer text;
    RasterCanvas raster{text, ClassicSystemColour};
    GdiCanvas gdi;

    Pair(int width, int height) : gdi(width, height, ClassicSystemColour) { raster.Resize(width, height); }

    // Pixels that differ as 'X' on a '.' map; empty when the two are identical.
    std::string Differences() const
    {
        std::string map;
        bool any = false;
        for (int y = 0; y < raster.Height(); ++y) {
            for (int x = 0; x < raster.Width(); ++x) {
                const bool same = raster.ColourAt(x, y) == gdi.ColourAt(x, y);
                any = any || !same;
                map += same ? '.' : 'X';
            }
            map += '\n';
        }
        return any ? map : std::string();
    }
};

struct Look {
    const char* name;
    std::int16_t enabled, hover, focused, button, request;
};

const Look kLooks[] = {
    {"normal", -1, 0, 0, 0, 0}, {"focused", -1, 0, -1, 0, 0}, {"hover", -1, -1, 0, 0, 0},
    {"hover and focused", -1, -1, -1, 0, 0}, {"pressed", -1, 0, 0, 1, 1}, {"pressed, hover", -1, -1, -1, 1, 1},
    {"disabled", 0, -1, -1, 1, 1},
};

const std::pair<int, int> kSizes[] = {{100, 30}, {75, 23}, {6, 6}, {3, 3}, {1, 1}, {2, 2}, {4, 5},
                                      {5, 4}, {8, 8}, {7, 9}, {13, 7}, {40, 60}, {120, 41}};

TEST(GdiCanvas, EveryLookMatchesTheRasterCanvas)
{
    for (const auto& [w, h] : kSizes) {
        for (const Look& look : kLooks) {
            Pair pair(w, h);
            ASSERT_TRUE(pair.gdi.IsValid());
            ButtonFields fields = FieldsOfSize(w, h);
            fields.m_Enabled = look.enabled;
            fields.m_Hover = look.hover;
            fields.m_Focused = look.focused;
            fields.m_Button = look.button;
            ButtonFields gdiFields = fields;
            const ButtonSurface surface;
            DrawButton(fields, surface, pair.raster, look.request);
            DrawButton(gdiFields, surface, pair.gdi, look.request);
            EXPECT_EQ(pair.Differences(), "") << look.name << " " << w << " x " << h;

            // The window shapes agree pixel for pixel, the corners cut off.
            ASSERT_NE(pair.raster.WindowRegion(), nullptr);
            for (int y = 0; y < h; ++y) {
                for (int x = 0; x < w; ++x) {
                    EXPECT_EQ(pair.gdi.WindowRegionContains(x, y), pair.raster.WindowRegion()->Contains(x, y))
                        << look.name << " " << w << " x " << h << " at " << x << ", " << y;
                }
            }
        }
    }
}

TEST(GdiCanvas, OnePixelLinesInEveryDirection)
{
    for (int dx = -9; dx <= 9; ++dx) {
        for (int dy = -9; dy <= 9; ++dy) {
            for (const int width : {0, 1}) {
                Pair pair(24, 24);
                for (CanvasPort* canvas : {static_cast<CanvasPort*>(&pair.raster), static_cast<CanvasPort*>(&pair.gdi)}) {
                    canvas->ResetSurface(kColourWindow);
                    PenScope pen(*canvas, width, Rgb(200, 0, 0));
                    pen.Line(11, 12, 11 + dx, 12 + dy);
                }
                EXPECT_EQ(pair.Differences(), "") << "width " << width << " by " << dx << ", " << dy;
            }
        }
    }
    // Partly outside the bitmap, long and shallow.
    const int lines[][4] = {{-5, -3, 30, 9}, {30, 20, -7, 2}, {3, -20, 9, 40}, {-1, 5, 25, 6}};
    for (const auto& l : lines) {
        Pair pair(24, 24);
        for (CanvasPort* canvas : {static_cast<CanvasPort*>(&pair.raster), static_cast<CanvasPort*>(&pair.gdi)}) {
            canvas->ResetSurface(kColourWindow);
            PenScope pen(*canvas, 1, Rgb(200, 0, 0));
            pen.Line(l[0], l[1], l[2], l[3]);
        }
        EXPECT_EQ(pair.Differences(), "") << l[0] << ", " << l[1] << " -> " << l[2] << ", " << l[3];
    }
}

TEST(GdiCanvas, WidePensOnStraightLines)
{
    const int lines[][4] = {{5, 9, 15, 9},  {15, 9, 5, 9},  {9, 5, 9, 15}, {9, 15, 9, 5},
                            {9, 9, 9, 10},  {9, 10, 9, 9},  {9, 9, 10, 9}, {9, 9, 9, 9},
                            {-3, 1, 30, 1}, {0, 20, 20, 20}};
    for (const int width : {2, 3, 4, 5, 6}) {
        for (const auto& l : lines) {
            Pair pair(20, 20);
            for (CanvasPort* canvas : {static_cast<CanvasPort*>(&pair.raster), static_cast<CanvasPort*>(&pair.gdi)}) {
                canvas->ResetSurface(kColourWindow);
                PenScope pen(*canvas, width, Rgb(0, 0, 200));
                pen.Line(l[0], l[1], l[2], l[3]);
            }
            EXPECT_EQ(pair.Differences(), "")
                << "width " << width << ": " << l[0] << ", " << l[1] << " -> " << l[2] << ", " << l[3];
        }
    }
}

TEST(GdiCanvas, FramesFillsAndPixelsAtTheEdges)
{
    const CanvasRect rects[] = {{0, 0, 10, 8}, {-3, -3, 4, 4}, {6, 5, 14, 12}, {2, 2, 3, 3}, {4, 4, 4, 7}, {1, 6, 9, 7}};
    for (const CanvasRect& r : rects) {
        Pair pair(10, 8);
        for (CanvasPort* canvas : {static_cast<CanvasPort*>(&pair.raster), static_cast<CanvasPort*>(&pair.gdi)}) {
            canvas->ResetSurface(kColourWindow);
            canvas->FillRect(r, Rgb(1, 2, 3));
            canvas->FrameRect({r.left + 1, r.top + 1, r.right + 1, r.bottom + 1}, kColourWindowFrame);
            canvas->SetPixel(r.left, r.bottom - 1, Rgb(9, 9, 9));
        }
        EXPECT_EQ(pair.Differences(), "") << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom;
    }
}

// A window's canvas starts empty and follows the window's size.
TEST(GdiCanvas, ResizedCanvasDrawsAtItsNewSize)
{
    Pair pair(40, 12);
    GdiCanvas& gdi = pair.gdi;
    gdi.Resize(0, 0);
    EXPECT_FALSE(gdi.IsValid());
    for (const auto& [w, h] : {std::pair{40, 12}, std::pair{7, 30}}) {
        gdi.Resize(w, h);
        pair.raster.Resize(w, h);
        ASSERT_TRUE(gdi.IsValid());
        EXPECT_EQ(gdi.Width(), w);
        ButtonFields fields = FieldsOfSize(w, h);
        ButtonFields gdiFields = fields;
        DrawButton(fields, ButtonSurface{}, pair.raster, 0);
        DrawButton(gdiFields, ButtonSurface{}, gdi, 0);
        EXPECT_EQ(pair.Differences(), "") << w << " x " << h;
    }
}

// The caption's points become pixels at the DPI the canvas is given.
TEST(GdiCanvas, CaptionFollowsTheDpi)
{
    GdiCanvas gdi(200, 100, ClassicSystemColour);
    ButtonFont font;
    font.name = "Tahoma";
    font.size = 12;
    CanvasRect rect{0, 0, 200, 100};
    gdi.SetDpi(96);
    const int at96 = gdi.DrawText("Apply", rect, 0x411, font);
    gdi.SetDpi(192);
    rect = {0, 0, 200, 100};
    const int at192 = gdi.DrawText("Apply", rect, 0x411, font);
    EXPECT_NEAR(at192, 2 * at96, 2);
}

// The platform's font is not the raster test font, so the caption is checked for its place: a
// one-line caption measures one line and is drawn only on the rows of its target rectangle.
TEST(GdiCanvas, CaptionIsDrawnInsideItsTargetRows)
{
    GdiCanvas gdi(75, 23, ClassicSystemColour);
    ButtonFields fields = FieldsOfSize(75, 23);
    fields.m_Caption = "&Apply";
    ButtonSurface surface;
    surface.foreColor = Rgb(10, 20, 30);
    surface.font.name = "Tahoma";

    CanvasRect measured{0, 0, 75, 23};
    const int height = gdi.DrawText(fields.m_Caption, measured, 0x411, surface.font);
    ASSERT_GT(height, 5);
    ASSERT_LT(height, 23);
    const CanvasRect target = CaptionTargetRect(75, 23, height);

    DrawButton(fields, surface, gdi, 0);
    int inked = 0;
    for (int y = 0; y < 23; ++y) {
        for (int x = 0; x < 75; ++x) {
            if (gdi.ColourAt(x, y) != Rgb(10, 20, 30)) continue;
            ++inked;
            EXPECT_GE(y, target.top);
            EXPECT_LT(y, target.bottom);
        }
    }
    EXPECT_GT(inked, 10);
}

}  // namespace
}  // namespace pelmora::testing
