#include "controls/ButtonDrawingTestSupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace pelmora::testing {
namespace {

constexpr Colour kInk = Rgb(200, 0, 0);

struct CanvasFixture {
    FixedCellTextRenderer text;
    RasterCanvas canvas{text, ClassicSystemColour};

    CanvasFixture(int width, int height)
    {
        canvas.Resize(width, height);
        canvas.ResetSurface(kColourWindow);
    }
    std::string Art() const { return AsciiArt(canvas, {{Rgb(255, 255, 255), '.'}, {kInk, '#'}}); }
    std::string Stroke(int width, int x1, int y1, int x2, int y2)
    {
        PenScope pen(canvas, width, kInk);
        pen.Line(x1, y1, x2, y2);
        return Art();
    }
};

struct LineCase {
    int width;
    int x1, y1, x2, y2;
    const char* art;  // on a 10 x 6 canvas
};

// One-pixel pens stop before the end point; ties of the minor coordinate go to the smaller one.
TEST(RasterCanvasLines, OnePixelPenPaintsUpToTheEndPoint)
{
    const LineCase cases[] = {
        {1, 2, 1, 7, 1, "..........\n..#####...\n..........\n..........\n..........\n..........\n"},
        {1, 7, 1, 2, 1, "..........\n...#####..\n..........\n..........\n..........\n..........\n"},
        {0, 2, 1, 7, 1, "..........\n..#####...\n..........\n..........\n..........\n..........\n"},
        {1, 3, 2, 3, 3, "..........\n..........\n...#......\n..........\n..........\n..........\n"},
        {1, 3, 5, 3, 1, "..........\n..........\n...#......\n...#......\n...#......\n...#......\n"},
        {1, 4, 4, 4, 4, "..........\n..........\n..........\n..........\n..........\n..........\n"},
        {1, 0, 0, 4, 1, "###.......\n...#......\n..........\n..........\n..........\n..........\n"},
        {1, 4, 1, 0, 0, ".##.......\n...##.....\n..........\n..........\n..........\n..........\n"},
        {1, 1, 5, 9, 1, "..........\n........#.\n......##..\n....##....\n..##......\n.#........\n"},
        {1, 0, 0, 1, 4, "#.........\n#.........\n#.........\n.#........\n..........\n..........\n"},
        {1, -3, -1, 13, 7, "#.........\n.##.......\n...##.....\n.....##...\n.......##.\n.........#\n"},
    };
    for (const LineCase& c : cases) {
        CanvasFixture f(10, 6);
        EXPECT_EQ(f.Stroke(c.width, c.x1, c.y1, c.x2, c.y2), c.art)
            << "width " << c.width << " (" << c.x1 << ", " << c.y1 << ") -> (" << c.x2 << ", " << c.y2 << ")";
    }
}

// Wider pens: a band of the width (rows y - w/2 ...) plus a round cap at both ends.
TEST(RasterCanvasLines, WidePensPaintACentredBandWithRoundEnds)
{
    const LineCase cases[] = {
        {2, 3, 3, 7, 3, "..........\n..........\n..######..\n..######..\n..........\n..........\n"},
        {2, 3, 2, 3, 3, "..........\n..##......\n..##......\n..##......\n..........\n..........\n"},
        {2, 3, 3, 3, 2, "..........\n..##......\n..##......\n..##......\n..........\n..........\n"},
        {4, 3, 3, 7, 3, "..........\n..######..\n.########.\n.########.\n..######..\n..........\n"},
        {4, 4, 2, 4, 3, "...##.....\n..####....\n..####....\n..####....\n...##.....\n..........\n"},
        {3, 4, 2, 4, 2, "..........\n....#.....\n...###....\n....#.....\n..........\n..........\n"},
        {4, 0, 5, 9, 5, "..........\n..........\n..........\n##########\n##########\n##########\n"},
    };
    for (const LineCase& c : cases) {
        CanvasFixture f(10, 6);
        EXPECT_EQ(f.Stroke(c.width, c.x1, c.y1, c.x2, c.y2), c.art)
            << "width " << c.width << " (" << c.x1 << ", " << c.y1 << ") -> (" << c.x2 << ", " << c.y2 << ")";
    }
}

TEST(RasterCanvasLines, RoundEndsFollowThePlatformsEllipses)
{
    // Widths 2 to 5 by hand; 6 shows the corners cut by two pixels.
    const struct {
        int width;
        const char* art;
    } cases[] = {
        {2, "##\n##\n"},
        {3, ".#.\n###\n.#.\n"},
        {4, ".##.\n####\n####\n.##.\n"},
        {5, ".###.\n#####\n#####\n#####\n.###.\n"},
        {6, "..##..\n.####.\n######\n######\n.####.\n..##..\n"},
    };
    for (const auto& c : cases) {
        std::vector<PixelSpan> rows;
        EllipseSpans(c.width, c.width, rows);
        std::string art;
        for (const PixelSpan& row : rows) {
            for (int x = 0; x < c.width; ++x) art += x >= row.left && x <= row.right ? '#' : '.';
            art += '\n';
        }
        EXPECT_EQ(art, c.art) << "width " << c.width;
    }
}

TEST(RasterCanvasShapes, FrameFillAndPixelStayInsideTheImage)
{
    CanvasFixture f(6, 4);
    f.canvas.FrameRect({1, 0, 5, 4}, kInk);
    EXPECT_EQ(f.Art(), ".####.\n.#..#.\n.#..#.\n.####.\n");

    CanvasFixture g(6, 4);
    g.canvas.FillRect({-2, -2, 2, 2}, kInk);
    g.canvas.FillRect({5, 3, 9, 9}, kInk);
    g.canvas.FillRect({3, 1, 3, 3}, kInk);  // empty
    g.canvas.SetPixel(-1, 0, kInk);
    g.canvas.SetPixel(6, 0, kInk);
    g.canvas.SetPixel(3, 2, kInk);
    EXPECT_EQ(g.Art(), "##....\n##....\n...#..\n.....#\n");

    CanvasFixture h(3, 3);
    h.canvas.FrameRect({1, 1, 2, 2}, kInk);  // 1 x 1: the one pixel
    h.canvas.FrameRect({0, 0, 0, 3}, kInk);  // empty: nothing
    EXPECT_EQ(h.Art(), "...\n.#.\n...\n");
}

// A reset clears rows lazily; whoever reads the raw pixels must still see every row cleared.
TEST(RasterCanvasShapes, ResetShowsInTheRawPixels)
{
    FixedCellTextRenderer text;
    RasterCanvas canvas(text, ClassicSystemColour);
    canvas.Resize(3, 3);
    canvas.ResetSurface(Rgb(1, 2, 3));
    canvas.SetPixel(1, 1, kInk);
    const std::uint32_t a = PixelOf(Rgb(1, 2, 3));
    const std::uint32_t b = PixelOf(kInk);
    EXPECT_EQ(std::vector<std::uint32_t>(canvas.Pixels(), canvas.Pixels() + 9),
              (std::vector<std::uint32_t>{a, a, a, a, b, a, a, a, a}));

    canvas.ResetSurface(kColourWindow);
    const PixelView view = canvas.View();
    EXPECT_EQ(std::vector<std::uint32_t>(view.pixels, view.pixels + 9),
              std::vector<std::uint32_t>(9, PixelOf(Rgb(255, 255, 255))));
}

TEST(RasterCanvasText, MeasuresAndDrawsClippedToTheRectangle)
{
    const unsigned wrapCentre = TextFlag::kWordBreak | TextFlag::kCenter;
    CanvasFixture f(24, 14);
    CanvasRect rect{0, 0, 24, 8};
    EXPECT_EQ(f.canvas.DrawText("ab cd", rect, TextFlag::kCalcRect | wrapCentre, ButtonFont{}), 26);
    EXPECT_EQ(rect, (CanvasRect{0, 0, 12, 26}));
    EXPECT_EQ(f.Art().find('#'), std::string::npos) << "measuring draws nothing";

    // '&' underlines b (bottom row of its cell) and is not drawn; "&&" is one '&'.
    f.canvas.SetTextColour(kInk);
    CanvasRect line{0, 0, 24, 13};
    EXPECT_EQ(f.canvas.DrawText("a&b&&", line, wrapCentre, ButtonFont{}), 13);
    const std::string art = f.Art();
    EXPECT_EQ(art.substr(25 * 2, 25), "....####..####..####....\n");
    EXPECT_EQ(art.substr(25 * 12, 25), ".........######.........\n");

    // Drawn text stays inside its rectangle.
    CanvasFixture g(24, 6);
    g.canvas.SetTextColour(kInk);
    CanvasRect clipped{0, -1, 24, 5};
    g.canvas.DrawText("a&b", clipped, wrapCentre, ButtonFont{});
    EXPECT_EQ(g.Art(),
              "........................\n"
              ".......####..####.......\n"
              ".......####..####.......\n"
              ".......####..####.......\n"
              ".......####..####.......\n"
              "........................\n");
}

TEST(RasterCanvasRegions, SubtractingSquaresLeavesTheRest)
{
    CanvasFixture f(1, 1);
    const RegionHandle whole = f.canvas.CreateRectRegion({0, 0, 5, 4});
    const RegionHandle square = f.canvas.CreateRectRegion({2, 1, 3, 2});
    const RegionHandle band = f.canvas.CreateRectRegion({-1, 3, 9, 9});
    f.canvas.SubtractRegion(whole, square);
    f.canvas.SubtractRegion(whole, band);
    f.canvas.SubtractRegion(whole, 0);    // no region: nothing
    f.canvas.SubtractRegion(whole, 999);  // unknown handle: nothing
    f.canvas.SetWindowRegion(whole);
    ASSERT_NE(f.canvas.WindowRegion(), nullptr);
    EXPECT_EQ(AsciiArt(*f.canvas.WindowRegion(), 6, 5), "#####.\n##.##.\n#####.\n......\n......\n");
}

TEST(RasterCanvasRegions, TheWindowOwnsItsRegionUntilTheNextOne)
{
    CanvasFixture f(1, 1);
    EXPECT_EQ(f.canvas.WindowRegion(), nullptr);
    const RegionHandle first = f.canvas.CreateRectRegion({0, 0, 2, 2});
    f.canvas.SetWindowRegion(first);
    f.canvas.DeleteRegion(first);  // not the caller's to delete: stays the window's shape
    ASSERT_NE(f.canvas.WindowRegion(), nullptr);
    EXPECT_TRUE(f.canvas.WindowRegion()->Contains(1, 1));

    const RegionHandle second = f.canvas.CreateRectRegion({0, 0, 1, 1});
    f.canvas.SetWindowRegion(second);  // releases the first
    EXPECT_FALSE(f.canvas.WindowRegion()->Contains(1, 1));
    EXPECT_EQ(f.canvas.CreateRectRegion({0, 0, 3, 3}), first);  // its slot is free again
}

}  // namespace
}  // namespace pelmora::testing
