// What a resting pointer costs: the process's CPU time while the pointer rests over a hover
// button (its HoverTimer on, resting until the window system says the pointer left) against the
// same window with the pointer elsewhere,
// and the redraws that moves inside the button cause after the second one.
//
// Needs a real X server, for example:  xvfb-run -a ./pelmora_bench_hover [seconds]
#include "QtCommandButton.h"
#include "designs/ButtonDesign.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

using pelmora::qt::CommandButton;

double ProcessCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

// Runs the event loop for `ms` milliseconds.
void RunFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Phase {
    double cpuPercent = 0;  // of one core
    long redraws = 0;
    long ticks = 0;
};

// CPU use over `seconds` with the event loop running and the pointer left where it is.
Phase Measure(const std::vector<CommandButton*>& buttons, const long& ticks, int seconds)
{
    long redraws = 0;
    for (const CommandButton* b : buttons)
        redraws -= b->Host().RedrawCount();
    const long ticksBefore = ticks;
    QElapsedTimer wall;
    const double cpuBefore = ProcessCpuSeconds();
    wall.start();
    RunFor(seconds * 1000);
    const double cpu = ProcessCpuSeconds() - cpuBefore;
    const double elapsed = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    for (const CommandButton* b : buttons)
        redraws += b->Host().RedrawCount();
    return {100.0 * cpu / elapsed, redraws, ticks - ticksBefore};
}

void MovePointer(QPoint global)
{
    QCursor::setPos(global);
    RunFor(30);  // the window system's motion event arrives
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (QGuiApplication::platformName() != "xcb")
        std::fprintf(stderr, "note: platform \"%s\"; the figures mean most under an X server\n",
                     qPrintable(QGuiApplication::platformName()));
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    // A window like the program's: a few buttons on a plain client area.
    QWidget window;
    window.setWindowTitle("Hover benchmark");
    window.resize(360, 160);
    std::vector<CommandButton*> buttons;
    for (int i = 0; i < 4; ++i) {
        const std::string name = "CommandButton" + std::to_string(i + 1);
        auto* button = new CommandButton(
            pelmora::ButtonAmbient{pelmora::ButtonFont{}, pelmora::designs::kHostForeColour, name}, &window);
        pelmora::PropertyBag bag;
        bag.WriteProperty("caption", std::string("Button ") + std::to_string(i + 1));
        button->Host().ReadProperties(bag);
        button->setGeometry(20 + (i % 2) * 170, 20 + (i / 2) * 60, 150, 30);
        buttons.push_back(button);
    }
    window.show();
    window.activateWindow();
    RunFor(500);

    CommandButton& target = *buttons[0];
    long ticks = 0;
    QObject::connect(&target.HoverTimer(), &pelmora::qt::TimerElement::Timer, [&ticks] { ++ticks; });
    const QPoint elsewhere = window.mapToGlobal(QPoint(180, 140));
    const QPoint inside = target.mapToGlobal(QPoint(20, 10));

    MovePointer(elsewhere);
    RunFor(300);
    const Phase before = Measure(buttons, ticks, seconds);

    // In, a second move, then moves across the button: only the first two may redraw.
    MovePointer(inside);
    MovePointer(inside + QPoint(1, 0));
    const bool hovering = target.HoverTimer().Enabled();
    const long redrawsAfterSecond = target.Host().RedrawCount();
    int movesInside = 0;
    for (int x = 2; x < 120; x += 3, ++movesInside)
        MovePointer(inside + QPoint(x, (x / 3) % 12));
    const long redrawsOnMoves = target.Host().RedrawCount() - redrawsAfterSecond;

    const Phase over = Measure(buttons, ticks, seconds);
    const bool stillHovering = target.HoverTimer().Enabled();

    // A window coming up under the resting pointer ends the hover look as leaving does.
    QWidget cover;
    cover.setGeometry(QRect(QCursor::pos() - QPoint(10, 10), QSize(40, 40)));
    cover.show();
    RunFor(300);
    const bool coverEnded = !target.HoverTimer().Enabled();
    cover.hide();

    MovePointer(inside + QPoint(5, 0));
    MovePointer(elsewhere);
    RunFor(100);
    const bool hoverEnded = !target.HoverTimer().Enabled();
    const Phase after = Measure(buttons, ticks, seconds);

    // The same wake-ups with no button behind them: what any 10 ms timer costs here.
    QTimer bare;
    bare.setInterval(pelmora::qt::EffectiveTimerIntervalMs(pelmora::kHoverTimerIntervalMs));
    QObject::connect(&bare, &QTimer::timeout, [] {});
    bare.start();
    const Phase bareTimer = Measure(buttons, ticks, seconds);
    bare.stop();

    const double baseline = (before.cpuPercent + after.cpuPercent) / 2;
    const double extra = over.cpuPercent - baseline;
    std::printf("Hover button, pointer resting (platform %s, %d s per phase)\n",
                qPrintable(QGuiApplication::platformName()), seconds);
    std::printf("  pointer elsewhere (before): %7.3f %% of one core, %ld redraws\n", before.cpuPercent, before.redraws);
    std::printf("  pointer over a button:      %7.3f %% of one core, %ld redraws, %ld timer ticks (%.0f/s)\n",
                over.cpuPercent, over.redraws, over.ticks, static_cast<double>(over.ticks) / seconds);
    std::printf("  pointer elsewhere (after):  %7.3f %% of one core, %ld redraws\n", after.cpuPercent, after.redraws);
    std::printf("  a bare %d ms timer, no button: %5.3f %% of one core\n", bare.interval(), bareTimer.cpuPercent);
    std::printf("  extra while over:           %7.3f %% of one core (target <= 0.1 %%)  %s\n", extra,
                extra <= 0.1 ? "OK" : "OVER TARGET");
    std::printf("  redraws for %d moves inside after the second: %ld (target 0)  %s\n", movesInside, redrawsOnMoves,
                redrawsOnMoves == 0 ? "OK" : "OVER TARGET");
    std::printf("  hover look on while over: %s; ended by a window on top: %s; ended after leaving: %s\n",
                hovering && stillHovering ? "yes" : "NO", coverEnded ? "yes" : "NO", hoverEnded ? "yes" : "NO");
    const bool behaved = hovering && stillHovering && coverEnded && hoverEnded;
    return behaved && extra <= 0.1 && redrawsOnMoves == 0 ? 0 : 1;
}
