#pragma once

#include "platform/WindowsApi.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace pelmora::win32 {

// For the start-up benchmark (bench/): when PELMORA_FIRST_PAINT_STAMP names a file, the program
// writes the performance counter there the moment its main window and every window in it have
// been painted for the first time, and ends at once. The benchmark's reference window does the
// same through this class, so both are measured alike. Without the variable it does nothing.
class FirstPaintStamp {
public:
    static constexpr const char* kVariable = "PELMORA_FIRST_PAINT_STAMP";

    FirstPaintStamp()
    {
        if (const char* path = std::getenv(kVariable))
            m_Path = path;
    }

    // Called as the message loop starts and after each message: once `window` is shown and it
    // and every other window of the thread have been painted, stamp and leave.
    void Check(HWND window)
    {
        if (m_Path.empty() || window == nullptr || !IsWindowVisible(window))
            return;
        if (GetUpdateRect(window, nullptr, FALSE) || (HIWORD(GetQueueStatus(QS_PAINT)) & QS_PAINT) != 0)
            return;
        GdiFlush();
        LARGE_INTEGER now;
        QueryPerformanceCounter(&now);
        if (FILE* file = std::fopen(m_Path.c_str(), "w")) {
            std::fprintf(file, "%lld\n", static_cast<long long>(now.QuadPart));
            std::fclose(file);
        }
        ExitProcess(0);
    }

private:
    std::string m_Path;
};

}  // namespace pelmora::win32
