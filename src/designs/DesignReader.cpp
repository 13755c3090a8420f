#include "designs/DesignValues.h"
#include "designs/WindowDesign.h"

#include <cctype>
#include <functional>
#include <set>
#include <stdexcept>

namespace pelmora::designs {

namespace {

using namespace values;

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

struct Entry {
    std::string_view key;
    std::string_view value;
};

// "Key = value"; the key has no blanks.
std::optional<Entry> SplitEntry(std::string_view line)
{
    auto at = line.find(" = ");
    if (at == std::string_view::npos || at == 0 || line.substr(0, at).find(' ') != std::string_view::npos)
        return std::nullopt;
    return Entry{line.substr(0, at), line.substr(at + 3)};
}

// Sets `target` from a value text, or fails when the text is not in the reader's form.
template <typename T, typename ReadFn>
bool Take(T& target, std::string_view value, ReadFn read)
{
    auto parsed = read(value);
    if (!parsed)
        return false;
    target = *parsed;
    return true;
}

bool TakePoint(std::optional<TwipPoint>& target, std::string_view value)
{
    auto pair = ReadPair(value);
    if (pair)
        target = TwipPoint{pair->first, pair->second};
    return pair.has_value();
}

bool TakeSize(std::optional<TwipSize>& target, std::string_view value)
{
    auto pair = ReadPair(value);
    if (pair && pair->first >= 0 && pair->second >= 0)
        target = TwipSize{pair->first, pair->second};
    return pair && pair->first >= 0 && pair->second >= 0;
}

bool IsName(std::string_view text)
{
    if (text.empty())
        return false;
    for (char c : text)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_'))
            return false;
    return true;
}

class Reader {
public:
    explicit Reader(std::string_view text)
    {
        std::size_t start = 0;
        while (start < text.size()) {
            auto end = text.find('\n', start);
            if (end == std::string_view::npos)
                end = text.size();
            m_Lines.push_back(Trim(text.substr(start, end - start)));
            start = end + 1;
        }
    }

    DesignReadResult Read()
    {
        WindowDesign design;
        if (!ReadWindow(design))
            return {std::nullopt, m_Error};
        if (NextLine())
            return Failed("text after the window's End");
        if (!UniqueNames(design))
            return {std::nullopt, m_Error};
        return {std::move(design), {}};
    }

private:
    DesignReadResult Failed(const std::string& why)
    {
        Fail(why);
        return {std::nullopt, m_Error};
    }

    bool Fail(const std::string& why)
    {
        if (m_Error.empty())
            m_Error = "line " + std::to_string(m_Index) + ": " + why;
        return false;
    }

    // The next line that is not blank; false at the end of the text.
    bool NextLine()
    {
        while (m_Index < m_Lines.size()) {
            m_Line = m_Lines[m_Index++];
            if (!m_Line.empty())
                return true;
        }
        return false;
    }

    // Reads lines up to the block's End: entries go to `entry`, other lines to `opener`.
    bool ReadBlock(const std::function<bool(Entry)>& entry, const std::function<bool(std::string_view)>& opener)
    {
        while (NextLine()) {
            if (m_Line == "End")
                return true;
            if (auto split = SplitEntry(m_Line)) {
                if (!entry(*split))
                    return Fail("cannot take \"" + std::string(m_Line) + "\"");
            } else if (!opener(m_Line)) {
                return Fail("unexpected \"" + std::string(m_Line) + "\"");
            }
        }
        return Fail("missing End");
    }

    bool ReadWindow(WindowDesign& design)
    {
        if (!NextLine() || !m_Line.starts_with("Window ") || !IsName(m_Line.substr(7)))
            return Fail("a design starts with \"Window <name>\"");
        design.name = std::string(m_Line.substr(7));
        bool sized = false;
        auto entry = [&](Entry e) {
            if (e.key == "Caption")
                return Take(design.caption, e.value, UnquoteText);
            if (e.key == "ClientSize") {
                std::optional<TwipSize> size;
                sized = TakeSize(size, e.value);
                if (sized)
                    design.clientSize = *size;
                return sized;
            }
            if (e.key == "BorderStyle")
                return Take(design.borderStyle, e.value, ReadBorder);
            if (e.key == "ShowInTaskbar")
                return Take(design.showInTaskbar, e.value, ReadBool);
            if (e.key == "StartUp")
                return Take(design.startUp, e.value, ReadStartUp);
            if (e.key == "Position") {
                std::optional<TwipPoint> point;
                bool ok = TakePoint(point, e.value);
                if (ok)
                    design.position = *point;
                return ok;
            }
            if (e.key == "BackColor")
                return Take(design.backColor, e.value, ReadColour);
            if (e.key == "Picture")
                return Take(design.picture, e.value, UnquoteText);
            if (e.key == "PictureTiled")
                return Take(design.pictureTiled, e.value, ReadBool);
            if (e.key == "Font")
                return Take(design.font, e.value, ReadFont);
            return false;
        };
        auto opener = [&](std::string_view line) {
            return ReadControl(line, design.controls, /*insideMenu=*/false);
        };
        if (!ReadBlock(entry, opener))
            return false;
        return sized || Fail("the window has no ClientSize");
    }

    bool ReadControl(std::string_view opener, std::vector<ControlDesign>& into, bool insideMenu)
    {
        auto blank = opener.find(' ');
        auto kind = ReadKind(opener.substr(0, blank));
        if (blank == std::string_view::npos || !kind || !IsName(opener.substr(blank + 1)))
            return false;
        if (insideMenu != (*kind == ControlKind::MenuItem))
            return Fail(insideMenu ? "a menu holds only MenuItem" : "a MenuItem belongs in a Menu");
        ControlDesign control;
        control.kind = *kind;
        control.name = std::string(opener.substr(blank + 1));
        auto entry = [&](Entry e) { return ControlEntry(control, e); };
        auto nested = [&](std::string_view line) {
            if (line == "Properties" && control.kind == ControlKind::CommandButton)
                return ReadProperties(control.properties);
            if (control.kind == ControlKind::Menu)
                return ReadControl(line, control.children, /*insideMenu=*/true);
            return false;
        };
        if (!ReadBlock(entry, nested))
            return false;
        into.push_back(std::move(control));
        return true;
    }

    static bool ControlEntry(ControlDesign& control, Entry e)
    {
        const bool textBox = control.kind == ControlKind::TextBox;
        if ((e.key == "Caption" && !textBox) || (e.key == "Text" && textBox))
            return Take(control.text, e.value, UnquoteText);
        if (e.key == "Position")
            return TakePoint(control.position, e.value);
        if (e.key == "Size")
            return TakeSize(control.size, e.value);
        if (e.key == "Font")
            return Take(control.font, e.value, ReadFont);
        if (e.key == "ForeColor")
            return Take(control.foreColor, e.value, ReadColour);
        if (e.key == "BackColor")
            return Take(control.backColor, e.value, ReadColour);
        if (e.key == "Alignment")
            return Take(control.alignment, e.value, ReadAlignment);
        if (e.key == "BorderStyle")
            return Take(control.borderStyle, e.value, ReadBorder);
        if (e.key == "AutoSize")
            return Take(control.autoSize, e.value, ReadBool);
        if (e.key == "Picture")
            return Take(control.picture, e.value, UnquoteText);
        if (e.key == "MousePointer" && e.value == "Hand") {
            control.mousePointer = std::string(e.value);
            return true;
        }
        if (e.key == "Shortcut" && !e.value.empty()) {
            control.shortcut = std::string(e.value);
            return true;
        }
        if (e.key == "Visible")
            return Take(control.visible, e.value, ReadBool);
        return false;
    }

    bool ReadProperties(std::vector<PropertyEntry>& into)
    {
        auto entry = [&](Entry e) {
            into.push_back({std::string(e.key), std::string(e.value)});
            return true;
        };
        return ReadBlock(entry, [](std::string_view) { return false; });
    }

    bool UniqueNames(const WindowDesign& design)
    {
        std::set<std::string> seen{design.name};
        std::function<bool(const std::vector<ControlDesign>&)> visit = [&](const auto& controls) {
            for (const ControlDesign& control : controls)
                if (!seen.insert(control.name).second || !visit(control.children))
                    return Fail("the name " + control.name + " is used twice");
            return true;
        };
        return visit(design.controls);
    }

    std::vector<std::string_view> m_Lines;
    std::size_t m_Index = 0;
    std::string_view m_Line;
    std::string m_Error;
};

const ControlDesign* FindIn(const std::vector<ControlDesign>& controls, std::string_view name)
{
    for (const ControlDesign& control : controls) {
        if (control.name == name)
            return &control;
        if (const ControlDesign* child = FindIn(control.children, name))
            return child;
    }
    return nullptr;
}

}  // namespace

DesignReadResult ReadDesign(std::string_view text) { return Reader(text).Read(); }

const ControlDesign* WindowDesign::Find(std::string_view controlName) const
{
    return FindIn(controls, controlName);
}

WindowDesign EmbeddedDesign(std::string_view fileName)
{
    std::string_view text = DesignText(fileName);
    if (text.empty())
        throw std::runtime_error("no design named " + std::string(fileName));
    DesignReadResult result = ReadDesign(text);
    if (!result.design)
        throw std::runtime_error(std::string(fileName) + ": " + result.error);
    return std::move(*result.design);
}

}  // namespace pelmora::designs
