#pragma once

#include "designs/WindowDesign.h"

#include <array>
#include <cstddef>

namespace pelmora {

// The program's windows, one instance each.
enum class ProgramWindow { Main, SupportEditor, About, CurrentWindows };

inline constexpr std::array<ProgramWindow, 4> kProgramWindows = {
    ProgramWindow::Main, ProgramWindow::SupportEditor, ProgramWindow::About, ProgramWindow::CurrentWindows};

constexpr std::size_t IndexOf(ProgramWindow window) { return static_cast<std::size_t>(window); }

// The window's design, as compiled into the program.
designs::WindowDesign DesignOf(ProgramWindow window);

}  // namespace pelmora
