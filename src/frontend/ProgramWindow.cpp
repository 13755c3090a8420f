#include "frontend/ProgramWindow.h"

namespace pelmora {

designs::WindowDesign DesignOf(ProgramWindow window)
{
    switch (window) {
    case ProgramWindow::Main: return designs::EmbeddedDesign("Form1.design");
    case ProgramWindow::SupportEditor: return designs::EmbeddedDesign("sinf.design");
    case ProgramWindow::About: return designs::EmbeddedDesign("Form2z.design");
    case ProgramWindow::CurrentWindows: return designs::EmbeddedDesign("cwin.design");
    }
    return {};
}

}  // namespace pelmora
