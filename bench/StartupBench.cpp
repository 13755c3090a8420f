// Start-up to the first shown frame of the main window, against an empty Qt main window of the
// same size, each measured from launching a fresh process (offscreen unless a display is set):
//
//     pelmora_bench_startup [runs]
//
// Both kinds are launched alternately in one run; the figure is the ratio of their medians, of
// the time to the frame and of the processor time spent until then (the steadier figure on a
// busy machine). POSIX only: it forks and reads the children's resource usage.
// The main window starts as the program does: the real registry store, files, pictures and
// Windows directory, all in a scratch folder, so its load reads and writes for real.
#include "QtAppShell.h"
#include "platform/qt/QtPictures.h"
#include "wiring/SystemServices.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Reports the first frame once the window's first paint has been handled, then leaves at once.
class FirstFrameWatch : public QObject {
public:
    explicit FirstFrameWatch(QWidget& window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_Seen) {
            m_Seen = true;
            QTimer::singleShot(0, [] {
                std::puts("shown");
                std::fflush(stdout);
                std::quick_exit(0);
            });
        }
        return false;
    }

private:
    bool m_Seen = false;
};

// The reference: an empty main window of the main window's client size. With `text`, one
// label in it, which shows what drawing any text at all costs at start-up (the font setup).
int RunEmptyWindow(int argc, char** argv, bool text)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar();  // a main window has one, as the main window does
    auto* central = new QWidget(&window);
    central->setFixedSize(520, 431);
    if (text)
        new QLabel("Times visited", central);
    window.setCentralWidget(central);
    FirstFrameWatch watch(window);
    window.show();
    return QApplication::exec();
}

int RunMainWindow(int argc, char** argv)
{
    QApplication app(argc, argv);
    pelmora::SystemServices system("pelmora", std::make_unique<pelmora::QtPictures>());
    pelmora::qt::QtAppShell shell(system.Services());
    // The watch must be on the window before it is first shown, so the shell's window is made
    // the way OpenMainWindow makes it and watched from its first event.
    struct WatchNewWindows : QObject {
        bool eventFilter(QObject* object, QEvent* event) override
        {
            if (event->type() == QEvent::Show && object->objectName() == "Form1" && !m_Watch)
                m_Watch = new FirstFrameWatch(*static_cast<QWidget*>(object));
            return false;
        }
        FirstFrameWatch* m_Watch = nullptr;
    } watchNew;
    app.installEventFilter(&watchNew);
    shell.OpenMainWindow();
    return QApplication::exec();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Launch {
    double wallMs = -1;  // from launching the child until it reports its first frame
    double cpuMs = -1;   // the child's processor time, user and system: it leaves at that frame
};

// The child runs this program again in `mode`; it writes "shown" at its first frame and exits.
Launch TimeChild(const char* self, const char* mode)
{
    int out[2];
    if (pipe(out) != 0)
        return {};
    QElapsedTimer clock;
    clock.start();
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execl(self, self, mode, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    Launch launch;
    std::string seen;
    char buffer[256];
    ssize_t n = 0;
    while (seen.find("shown") == std::string::npos && (n = read(out[0], buffer, sizeof buffer)) > 0)
        seen.append(buffer, static_cast<std::size_t>(n));
    if (seen.find("shown") != std::string::npos)
        launch.wallMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    close(out[0]);
    int status = 0;
    rusage usage{};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {};
    launch.cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                   (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    return launch;
}

int RunBenchmark(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    char scratch[] = "/tmp/pelmora-startup-XXXXXX";
    if (mkdtemp(scratch) == nullptr)
        return 1;
    const std::string folder = scratch;
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("PELMORA_REGISTRY", (folder + "/registry.sqlite3").c_str(), 1);
    setenv("PELMORA_WINDOWS_DIR", (folder + "/Windows").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);

    // One launch of each first, unmeasured: both then find the libraries in the file cache and
    // the main window finds its store created, as at every start but the very first.
    TimeChild(argv[0], "--empty-window");
    TimeChild(argv[0], "--main-window");
    std::vector<double> emptyWall, mainWall, textWall, emptyCpu, mainCpu, textCpu;
    for (int i = 0; i < runs; ++i) {
        const Launch empty = TimeChild(argv[0], "--empty-window");
        const Launch main = TimeChild(argv[0], "--main-window");
        const Launch text = TimeChild(argv[0], "--text-window");
        if (empty.wallMs < 0 || main.wallMs < 0 || text.wallMs < 0) {
            std::fputs("pelmora_bench_startup: a window did not come up\n", stderr);
            return 1;
        }
        emptyWall.push_back(empty.wallMs);
        mainWall.push_back(main.wallMs);
        textWall.push_back(text.wallMs);
        emptyCpu.push_back(empty.cpuMs);
        mainCpu.push_back(main.cpuMs);
        textCpu.push_back(text.cpuMs);
    }
    std::filesystem::remove_all(folder);

    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("%d launches of each (%s), medians:\n", runs, platform != nullptr ? platform : "display");
    std::printf("  launch to first frame   empty window %7.1f ms   Form1 %7.1f ms   ratio %.2f\n",
                Median(emptyWall), Median(mainWall), Median(mainWall) / Median(emptyWall));
    std::printf("  processor time to it    empty window %7.1f ms   Form1 %7.1f ms   ratio %.2f\n",
                Median(emptyCpu), Median(mainCpu), Median(mainCpu) / Median(emptyCpu));
    std::puts("target: ratio at most 1.3");
    std::printf("for reference, the empty window with one label: %.1f ms, processor %.1f ms (ratios %.2f, %.2f)\n",
                Median(textWall), Median(textCpu), Median(textWall) / Median(emptyWall),
                Median(textCpu) / Median(emptyCpu));
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--empty-window") == 0)
        return RunEmptyWindow(argc, argv, false);
    if (argc > 1 && std::strcmp(argv[1], "--text-window") == 0)
        return RunEmptyWindow(argc, argv, true);
    if (argc > 1 && std::strcmp(argv[1], "--main-window") == 0)
        return RunMainWindow(argc, argv);
    return RunBenchmark(argc, argv);
}
