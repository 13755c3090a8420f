#pragma once

namespace pelmora {

// Whether a window can be shown: always on Windows and macOS; elsewhere only with DISPLAY,
// WAYLAND_DISPLAY, QT_QPA_PLATFORM or a -platform argument. Without one, Qt would abort with
// a long message, so the programs say so in one line instead.
bool DisplayAvailable(int argc, char** argv);

}  // namespace pelmora
