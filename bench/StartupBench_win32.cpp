// Start-up of pelmora.exe (its copy with the first-paint stamp, pelmora_bench_program.exe) to the
// first paint of its main window, against a minimal Win32 program
// showing an empty window of the same size (pelmora_bench_empty_window.exe), both launched from
// here, alternately, as fresh processes:
//
//     pelmora_bench_startup_win32.exe [runs]
//
// Run it under Wine on a display (scripts/bench-windows.sh does, on a virtual one). Each child
// writes the performance counter at its first paint into a file (FirstPaintStamp) and ends; the
// figure is the ratio of the medians of launch-to-paint. The main window starts as the program
// does, on the system's registry and Windows directory.
#include "FirstPaintStamp_win32.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

std::filesystem::path Beside(const wchar_t* name)
{
    std::wstring own(32768, L'\0');
    own.resize(GetModuleFileNameW(nullptr, own.data(), static_cast<DWORD>(own.size())));
    return std::filesystem::path(own).parent_path() / name;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Milliseconds from launching `program` to its first paint; negative when it showed none.
double TimeToFirstPaint(const std::filesystem::path& program, const std::filesystem::path& stamp)
{
    std::filesystem::remove(stamp);
    std::wstring line = L"\"" + program.wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER frequency;
    LARGE_INTEGER start;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        std::fprintf(stderr, "cannot start %ls: error %lu\n", program.c_str(), GetLastError());
        return -1;
    }
    const bool ended = WaitForSingleObject(process.hProcess, 60000) == WAIT_OBJECT_0;
    if (!ended)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    long long painted = 0;
    if (!ended || !(std::ifstream(stamp) >> painted))
        return -1;
    return static_cast<double>(painted - start.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    const std::filesystem::path mainProgram = Beside(L"pelmora_bench_program.exe");
    const std::filesystem::path emptyProgram = Beside(L"pelmora_bench_empty_window.exe");
    const std::filesystem::path stamp = std::filesystem::temp_directory_path() / "pelmora-first-paint.txt";
    SetEnvironmentVariableA(pelmora::win32::FirstPaintStamp::kVariable, stamp.string().c_str());

    // One launch of each first, unmeasured: both then find their files in the cache and the main
    // window its stored fields, as at every start but the very first.
    TimeToFirstPaint(emptyProgram, stamp);
    TimeToFirstPaint(mainProgram, stamp);
    std::vector<double> empty;
    std::vector<double> main;
    for (int i = 0; i < runs; ++i) {
        empty.push_back(TimeToFirstPaint(emptyProgram, stamp));
        main.push_back(TimeToFirstPaint(mainProgram, stamp));
        if (empty.back() < 0 || main.back() < 0) {
            std::fputs("pelmora_bench_startup_win32: a window did not come up\n", stderr);
            return 1;
        }
    }
    std::filesystem::remove(stamp);
    std::printf("%d launches of each, medians of launch to first paint:\n", runs);
    std::printf("  empty window %7.1f ms   pelmora.exe %7.1f ms   ratio %.2f\n", Median(empty), Median(main),
                Median(main) / Median(empty));
    std::printf("  fastest      %7.1f ms               %7.1f ms\n", *std::min_element(empty.begin(), empty.end()),
                *std::min_element(main.begin(), main.end()));
    std::puts("target: ratio at most 1.2");
    return 0;
}
