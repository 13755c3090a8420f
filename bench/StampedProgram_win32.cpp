// The benchmark's copy of pelmora.exe: the same program, which stamps the first paint of its main
// window (FirstPaintStamp) when the benchmark asks for it. The shipped pelmora.exe has no stamp.
#include "FirstPaintStamp_win32.h"
#include "Win32Program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    pelmora::win32::FirstPaintStamp stamp;
    return pelmora::win32::RunProgram([&](HWND mainWindow) { stamp.Check(mainWindow); });
}
