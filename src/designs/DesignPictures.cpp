#include "designs/DesignPictures.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace pelmora::designs {

namespace {

struct Rgb8 {
    double r, g, b;
};

Rgb8 Mix(Rgb8 a, Rgb8 b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

std::uint32_t Pack(Rgb8 c)
{
    auto channel = [](double v) { return static_cast<std::uint32_t>(std::clamp(std::lround(v), 0L, 255L)); };
    return 0xFF000000u | (channel(c.r) << 16) | (channel(c.g) << 8) | channel(c.b);
}

Rgb8 Unpack(std::uint32_t p)
{
    return {double((p >> 16) & 0xFF), double((p >> 8) & 0xFF), double(p & 0xFF)};
}

// Small deterministic noise, the same on every machine.
double Noise(int x, int y)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return double((h ^ (h >> 16)) & 0xFF) / 255.0 - 0.5;
}

class Painter {
public:
    Painter(int width, int height, Rgb8 background) : m_Picture{width, height, {}}
    {
        m_Picture.pixels.assign(static_cast<std::size_t>(width) * height, Pack(background));
    }

    void Set(int x, int y, Rgb8 colour, double coverage = 1.0)
    {
        if (x < 0 || y < 0 || x >= m_Picture.width || y >= m_Picture.height || coverage <= 0)
            return;
        std::uint32_t& pixel = m_Picture.pixels[static_cast<std::size_t>(y) * m_Picture.width + x];
        pixel = Pack(Mix(Unpack(pixel), colour, std::min(coverage, 1.0)));
    }

    // Paints where `inside` holds, sampled 4 × 4 per pixel for smooth edges; `colour` picks
    // the colour at the pixel's centre.
    void Shape(const std::function<bool(double, double)>& inside, const std::function<Rgb8(double, double)>& colour)
    {
        for (int y = 0; y < m_Picture.height; ++y)
            for (int x = 0; x < m_Picture.width; ++x) {
                int hits = 0;
                for (int sy = 0; sy < 4; ++sy)
                    for (int sx = 0; sx < 4; ++sx)
                        hits += inside(x + (sx + 0.5) / 4, y + (sy + 0.5) / 4) ? 1 : 0;
                Set(x, y, colour(x + 0.5, y + 0.5), hits / 16.0);
            }
    }

    PixelPicture Take() { return std::move(m_Picture); }

private:
    PixelPicture m_Picture;
};

bool InRoundedRect(double x, double y, double left, double top, double right, double bottom, double radius)
{
    if (x < left || x > right || y < top || y > bottom)
        return false;
    double cx = std::clamp(x, left + radius, right - radius);
    double cy = std::clamp(y, top + radius, bottom - radius);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

// Pale paper with a fine woven diagonal grain; tiles without seams (128 is a multiple of 16).
PixelPicture Texture()
{
    Painter painter(128, 128, {255, 255, 255});
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            double shade = 250 + 2.0 * Noise(x, y);
            if ((x + y) % 16 == 0)
                shade -= 5;
            if ((x - y + 128) % 16 == 8)
                shade -= 3;
            painter.Set(x, y, {shade + 2, shade + 1, shade - 2});
        }
    return painter.Take();
}

// A small monitor whose screen shows a rising sun: the product's emblem.
PixelPicture Emblem()
{
    Painter painter(53, 43, {255, 255, 255});
    const Rgb8 bezelTop{200, 204, 212}, bezelBottom{128, 134, 146};
    painter.Shape([](double x, double y) { return InRoundedRect(x, y, 2, 1, 51, 34, 4); },
                  [&](double, double y) { return Mix(bezelTop, bezelBottom, y / 34); });
    const Rgb8 skyTop{24, 52, 120}, skyBottom{96, 150, 214};
    painter.Shape([](double x, double y) { return x >= 6 && x <= 47 && y >= 5 && y <= 29; },
                  [&](double, double y) { return Mix(skyTop, skyBottom, (y - 5) / 24); });
    painter.Shape([](double x, double y) { return (x - 26.5) * (x - 26.5) + (y - 29) * (y - 29) <= 100 && y <= 29; },
                  [](double, double y) { return Mix(Rgb8{255, 214, 90}, Rgb8{240, 128, 40}, (y - 19) / 10); });
    painter.Shape([](double x, double y) { return x >= 22 && x <= 31 && y >= 34 && y <= 39; },
                  [](double, double) { return Rgb8{112, 118, 130}; });
    painter.Shape([](double x, double y) { return InRoundedRect(x, y, 13, 38, 40, 42, 2); },
                  [](double, double) { return Rgb8{88, 94, 106}; });
    return painter.Take();
}

bool InStar(double x, double y, double cx, double cy, double outer, double inner)
{
    const double pi = 3.14159265358979323846;
    double angle = std::atan2(y - cy, x - cx) + pi / 2;
    double distance = std::hypot(x - cx, y - cy);
    double sector = 2 * pi / 5;
    double local = std::fmod(std::fmod(angle, sector) + sector, sector) / sector;  // 0..1 across a point
    double t = std::abs(local - 0.5) * 2;                                          // 1 at a tip, 0 between
    return distance <= inner + (outer - inner) * t;
}

// A gold star in a soft ring: a small flourish for the corner.
PixelPicture Flourish()
{
    Painter painter(50, 46, {255, 255, 255});
    painter.Shape(
        [](double x, double y) {
            double d = std::hypot(x - 25, y - 23);
            return d <= 21.5 && d >= 18.5;
        },
        [](double, double) { return Rgb8{150, 186, 150}; });
    painter.Shape([](double x, double y) { return InStar(x, y, 25, 24, 17, 7); },
                  [](double x, double y) {
                      return Mix(Rgb8{255, 230, 120}, Rgb8{214, 140, 24}, std::clamp((x + y - 14) / 60, 0.0, 1.0));
                  });
    return painter.Take();
}

// The editor's heading band: slate blue fading into the window's grey.
PixelPicture Banner()
{
    Painter painter(406, 44, {128, 128, 128});
    const Rgb8 slate{44, 62, 98}, grey{128, 128, 128};
    for (int y = 0; y < 44; ++y)
        for (int x = 0; x < 406; ++x) {
            double t = std::pow(x / 405.0, 1.6);
            Rgb8 colour = Mix(slate, grey, t);
            if ((x + y) % 6 == 0)
                colour = Mix(colour, Rgb8{255, 255, 255}, 0.05 * (1 - t));
            painter.Set(x, y, colour);
        }
    for (int x = 0; x < 406; ++x)
        painter.Set(x, 43, {96, 96, 96});
    return painter.Take();
}

}  // namespace

PixelPicture DrawDesignPicture(std::string_view name)
{
    if (name == "about-texture")
        return Texture();
    if (name == "about-emblem")
        return Emblem();
    if (name == "about-flourish")
        return Flourish();
    if (name == "sinf-banner")
        return Banner();
    return {};
}

}  // namespace pelmora::designs
