#include "branding/BrandingFields.h"
#include "designs/WindowDesign.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace pelmora::designs {
namespace {

const ControlDesign* Find(const std::vector<ControlDesign>& controls, const std::string& name)
{
    for (const ControlDesign& control : controls) {
        if (control.name == name)
            return &control;
        if (const ControlDesign* child = Find(control.children, name))
            return child;
    }
    return nullptr;
}

// A field's row names a text box of its window's design: a row added without its box, or a box
// renamed, fails here rather than in a window that silently shows nothing.
TEST(FieldControls, EachTextFieldHasItsTextBoxInItsWindowsDesign)
{
    const std::pair<FieldWindow, const char*> designs[] = {
        {FieldWindow::Main, "Form1.design"},
        {FieldWindow::SupportEditor, "sinf.design"},
        {FieldWindow::CurrentWindows, "cwin.design"},
    };
    for (const auto& [window, file] : designs) {
        const WindowDesign design = EmbeddedDesign(file);
        for (const BrandingField& field : kBrandingFields) {
            if (field.window != window)
                continue;
            const ControlDesign* box = Find(design.controls, field.control);
            ASSERT_NE(box, nullptr) << file << " " << field.control;
            EXPECT_EQ(box->kind, ControlKind::TextBox) << file << " " << field.control;
        }
    }
}

}  // namespace
}  // namespace pelmora::designs
