// DrawButton on the raster canvas for a 100 x 30 button, against one fill of the same buffer.
// Besides its own timing, each drawing benchmark reports `x_fill`, the time of one redraw in
// fills of the buffer (target: at most 3), from `draw_ns` and `fill_ns` measured side by side.

#include "controls/ButtonPainter.h"
#include "controls/FixedCellTextRenderer.h"
#include "controls/RasterCanvas.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace pelmora {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWidth = 100;
constexpr int kHeight = 30;

Colour SystemColour(int index) { return index == 5 ? Rgb(255, 255, 255) : Rgb(0, 0, 0); }

struct Button {
    testing::FixedCellTextRenderer text;
    RasterCanvas canvas{text, SystemColour};
    ButtonFields fields;
    ButtonSurface surface;

    Button()
    {
        canvas.Resize(kWidth, kHeight);
        fields.m_ClientRect = {0, 0, kWidth, kHeight};
        fields.m_Width = kWidth;
        fields.m_Height = kHeight;
        fields.m_Right = kWidth - 1;
        fields.m_Bottom = kHeight;
        fields.m_ForeHover = Rgb(200, 80, 0);
    }
};

void Fill(Button& button, int i)
{
    button.canvas.FillRect({0, 0, kWidth, kHeight}, Rgb(i & 0xFF, 1, 2));
    benchmark::DoNotOptimize(button.canvas.Pixels());
    benchmark::ClobberMemory();
}

// The machine may be shared, so the fill and the redraw are timed in alternating batches, and
// the median over the rounds of each round's ratio counts: within a round both ran under the
// same conditions.
struct Comparison {
    double drawNs = 0;
    double fillNs = 0;
    double ratio = 0;
};

double Median(std::vector<double> values)
{
    std::nth_element(values.begin(), values.begin() + static_cast<long>(values.size() / 2), values.end());
    return values[values.size() / 2];
}

template <typename Draw>
Comparison CompareWithFill(Button& button, Draw draw)
{
    constexpr int kBatch = 200;
    constexpr int kRounds = 101;
    std::vector<double> draws;
    std::vector<double> fills;
    std::vector<double> ratios;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = Clock::now();
        for (int i = 0; i < kBatch; ++i) draw();
        const auto middle = Clock::now();
        for (int i = 0; i < kBatch; ++i) Fill(button, i);
        const auto end = Clock::now();
        draws.push_back(std::chrono::duration<double, std::nano>(middle - start).count() / kBatch);
        fills.push_back(std::chrono::duration<double, std::nano>(end - middle).count() / kBatch);
        ratios.push_back(draws.back() / fills.back());
    }
    return {Median(draws), Median(fills), Median(ratios)};
}

enum class Look { Normal, Focused, Hover, Pressed, Disabled };

struct LookCase {
    const char* name;
    Look look;
};

const LookCase kLooks[] = {{"normal", Look::Normal},   {"focused", Look::Focused}, {"hover", Look::Hover},
                           {"pressed", Look::Pressed}, {"disabled", Look::Disabled}};

// The fields of a look and the request that shows it.
std::int16_t SetLook(Button& button, Look look)
{
    button.fields.m_Focused = look == Look::Focused ? -1 : 0;
    button.fields.m_Hover = look == Look::Hover ? -1 : 0;
    button.fields.m_Button = look == Look::Pressed ? 1 : 0;
    button.fields.m_Enabled = look == Look::Disabled ? 0 : -1;
    return look == Look::Pressed ? 1 : 0;
}

void Redraws(benchmark::State& state, Look look, const char* caption)
{
    Button button;
    const std::int16_t request = SetLook(button, look);
    button.fields.m_Caption = caption;
    auto draw = [&] {
        DrawButton(button.fields, button.surface, button.canvas, request);
        benchmark::DoNotOptimize(button.canvas.Pixels());
        benchmark::ClobberMemory();
    };
    for (auto _ : state) draw();
    const Comparison side = CompareWithFill(button, draw);
    state.counters["draw_ns"] = side.drawNs;
    state.counters["fill_ns"] = side.fillNs;
    state.counters["x_fill"] = side.ratio;
}

void BM_Fill(benchmark::State& state)
{
    Button button;
    int i = 0;
    for (auto _ : state) Fill(button, ++i);
}
BENCHMARK(BM_Fill);

// DrawButton/<look>: without the caption (an empty one is measured and drawn as nothing).
// DrawButtonWithCaption/<look>: the full redraw, the caption measured, laid out and drawn.
const bool kRegistered = [] {
    for (const LookCase& c : kLooks) {
        benchmark::RegisterBenchmark((std::string("DrawButton/") + c.name).c_str(), Redraws, c.look, "");
    }
    for (const LookCase& c : kLooks) {
        benchmark::RegisterBenchmark((std::string("DrawButtonWithCaption/") + c.name).c_str(), Redraws, c.look,
                                     "Apply &Selected");
    }
    return true;
}();

}  // namespace
}  // namespace pelmora
