#include "designs/DesignValues.h"
#include "designs/WindowDesign.h"

namespace pelmora::designs {

namespace {

using namespace values;

class Writer {
public:
    void Line(int depth, std::string_view text)
    {
        m_Text.append(static_cast<std::size_t>(depth) * 4, ' ');
        m_Text += text;
        m_Text += '\n';
    }

    void Entry(int depth, std::string_view key, std::string_view value)
    {
        Line(depth, std::string(key) + " = " + std::string(value));
    }

    void Blank() { m_Text += '\n'; }

    std::string Take() { return std::move(m_Text); }

private:
    std::string m_Text;
};

void WriteControl(Writer& out, const ControlDesign& control, int depth)
{
    out.Line(depth, std::string(KindText(control.kind)) + " " + control.name);
    const int inner = depth + 1;
    if (!control.text.empty())
        out.Entry(inner, control.kind == ControlKind::TextBox ? "Text" : "Caption", QuoteText(control.text));
    if (control.position)
        out.Entry(inner, "Position", PairText(control.position->x, control.position->y));
    if (control.size)
        out.Entry(inner, "Size", PairText(control.size->width, control.size->height));
    if (control.font)
        out.Entry(inner, "Font", FontText(*control.font));
    if (control.foreColor)
        out.Entry(inner, "ForeColor", ColourText(*control.foreColor));
    if (control.backColor)
        out.Entry(inner, "BackColor", ColourText(*control.backColor));
    if (control.alignment)
        out.Entry(inner, "Alignment", AlignmentText(*control.alignment));
    if (control.borderStyle)
        out.Entry(inner, "BorderStyle", BorderText(*control.borderStyle));
    if (control.autoSize)
        out.Entry(inner, "AutoSize", BoolText(true));
    if (!control.picture.empty())
        out.Entry(inner, "Picture", QuoteText(control.picture));
    if (!control.mousePointer.empty())
        out.Entry(inner, "MousePointer", control.mousePointer);
    if (!control.shortcut.empty())
        out.Entry(inner, "Shortcut", control.shortcut);
    if (!control.visible)
        out.Entry(inner, "Visible", BoolText(false));
    if (!control.properties.empty()) {
        out.Line(inner, "Properties");
        for (const PropertyEntry& entry : control.properties)
            out.Entry(inner + 1, entry.name, entry.value);
        out.Line(inner, "End");
    }
    for (const ControlDesign& child : control.children)
        WriteControl(out, child, inner);
    out.Line(depth, "End");
}

}  // namespace

std::string WriteDesign(const WindowDesign& design)
{
    Writer out;
    out.Line(0, "Window " + design.name);
    if (!design.caption.empty())
        out.Entry(1, "Caption", QuoteText(design.caption));
    out.Entry(1, "ClientSize", PairText(design.clientSize.width, design.clientSize.height));
    out.Entry(1, "BorderStyle", BorderText(design.borderStyle));
    if (!design.showInTaskbar)
        out.Entry(1, "ShowInTaskbar", BoolText(false));
    out.Entry(1, "StartUp", StartUpText(design.startUp));
    if (design.startUp == StartUpPosition::Manual || design.position != TwipPoint{})
        out.Entry(1, "Position", PairText(design.position.x, design.position.y));
    if (design.backColor)
        out.Entry(1, "BackColor", ColourText(*design.backColor));
    if (!design.picture.empty())
        out.Entry(1, "Picture", QuoteText(design.picture));
    if (design.pictureTiled)
        out.Entry(1, "PictureTiled", BoolText(true));
    if (design.font)
        out.Entry(1, "Font", FontText(*design.font));
    for (const ControlDesign& control : design.controls) {
        out.Blank();
        WriteControl(out, control, 1);
    }
    out.Line(0, "End");
    return out.Take();
}

}  // namespace pelmora::designs
