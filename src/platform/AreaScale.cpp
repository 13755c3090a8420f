#include "platform/AreaScale.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace pelmora {

namespace {

// The source pixels one target pixel covers along a side, from `first` on, each with the share
// of it that falls inside; the shares of one target pixel add up to one.
struct Span {
    std::size_t first = 0;
    std::vector<float> shares;
};

std::vector<Span> Spans(int from, int to)
{
    const double step = static_cast<double>(from) / to;
    std::vector<Span> spans;
    for (int target = 0; target < to; ++target) {
        const double start = target * step;
        const double end = (target + 1) * step;
        const int first = static_cast<int>(std::floor(start));
        const int last = std::min(from, static_cast<int>(std::ceil(end))) - 1;
        Span span{static_cast<std::size_t>(first), {}};
        for (int source = first; source <= last; ++source) {
            const double covered = std::min(end, source + 1.0) - std::max(start, static_cast<double>(source));
            span.shares.push_back(static_cast<float>(covered / step));
        }
        spans.push_back(std::move(span));
    }
    return spans;
}

using Channels = std::array<float, 4>;  // blue, green, red, alpha

Channels Split(std::uint32_t pixel)
{
    Channels channels{};
    for (std::size_t c = 0; c < 4; ++c)
        channels[c] = static_cast<float>(pixel >> (8 * c) & 0xFF);
    return channels;
}

std::uint32_t Join(const Channels& channels)
{
    std::uint32_t pixel = 0;
    for (std::size_t c = 0; c < 4; ++c)
        pixel |= static_cast<std::uint32_t>(std::clamp(std::lround(channels[c]), 0L, 255L)) << (8 * c);
    return pixel;
}

// The values the span covers, at(first), at(first + 1), ..., each weighted by its share.
template <typename At>
Channels Sum(const Span& span, At at)
{
    Channels sum{};
    for (std::size_t i = 0; i < span.shares.size(); ++i) {
        const Channels source = at(span.first + i);
        for (std::size_t c = 0; c < 4; ++c)
            sum[c] += source[c] * span.shares[i];
    }
    return sum;
}

}  // namespace

std::vector<std::uint32_t> ScaleDownByArea(std::span<const std::uint32_t> pixels, PictureSize from, PictureSize to)
{
    if (from.width <= 0 || from.height <= 0 || to.width <= 0 || to.height <= 0 || to.width > from.width ||
        to.height > from.height || pixels.size() != static_cast<std::size_t>(from.width) * from.height)
        return {};
    const auto fromWidth = static_cast<std::size_t>(from.width);
    const auto toWidth = static_cast<std::size_t>(to.width);

    // Across first: every source row becomes to.width pixels wide.
    const std::vector<Span> columns = Spans(from.width, to.width);
    std::vector<Channels> narrowed;
    narrowed.reserve(toWidth * static_cast<std::size_t>(from.height));
    for (std::size_t y = 0; y < static_cast<std::size_t>(from.height); ++y) {
        const std::uint32_t* row = pixels.data() + y * fromWidth;
        for (const Span& span : columns)
            narrowed.push_back(Sum(span, [&](std::size_t x) { return Split(row[x]); }));
    }

    // Then down: each target pixel from the narrowed rows its span covers.
    std::vector<std::uint32_t> scaled;
    scaled.reserve(toWidth * static_cast<std::size_t>(to.height));
    for (const Span& span : Spans(from.height, to.height)) {
        for (std::size_t x = 0; x < toWidth; ++x)
            scaled.push_back(Join(Sum(span, [&](std::size_t y) { return narrowed[y * toWidth + x]; })));
    }
    return scaled;
}

}  // namespace pelmora
