// pelmora.exe: the OEM logo and support information tool, native on Windows.
#include "Win32Program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return pelmora::win32::RunProgram(); }
