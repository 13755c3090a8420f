#pragma once

#include "controls/ButtonFields.h"
#include "controls/Colour.h"
#include "controls/PropertyBagText.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A window design is a text file (src/designs/*.design), compiled into the program:
//
//     Window Form1                         the window: its name, then "Key = value" lines
//         Caption = "OEM Logo & Support Information"
//         ClientSize = 7800, 6465          twips
//         BorderStyle = FixedSingle
//         StartUp = Default
//
//         Label Label3                     each control: its kind and name, in tab order
//             Caption = "OEM logo Management"
//             Position = 180, 180          left, top in twips
//             Size = 3300, 270             width, height in twips
//             Font = "MS Sans Serif", 9.75, bold
//         End
//
//         CommandButton CommandButton1
//             ...
//             Properties                   the button's stored entries, in its property
//                 caption = "Apply Selected "    bag's own value forms
//             End
//         End
//     End
//
// Texts are in double quotes with a quote doubled; colours are rgb(r, g, b) or system(index);
// a menu holds its MenuItem blocks. Optional keys are written only when they differ from their
// defaults, in a fixed order, so a design read and written back is the same text.
namespace pelmora::designs {

enum class ControlKind { Label, TextBox, PictureBox, Image, CommandButton, Menu, MenuItem };
enum class BorderStyle { None, FixedSingle, FixedDialog, Sizable };
enum class StartUpPosition { Default, Centred, Manual };
enum class Alignment { Left, Right, Center };

struct TwipPoint {
    int x = 0;
    int y = 0;
    bool operator==(const TwipPoint&) const = default;
};

struct TwipSize {
    int width = 0;
    int height = 0;
    bool operator==(const TwipSize&) const = default;
};

// A control as designed. Optional members that are unset take the window's (font) or the
// toolkit's defaults.
struct ControlDesign {
    ControlKind kind = ControlKind::Label;
    std::string name;
    std::string text;  // caption, or the text of a text box
    std::optional<TwipPoint> position;
    std::optional<TwipSize> size;
    std::optional<ButtonFont> font;
    std::optional<Colour> foreColor;
    std::optional<Colour> backColor;  // unset: a label lets its window show through
    std::optional<Alignment> alignment;
    std::optional<BorderStyle> borderStyle;
    bool autoSize = false;
    bool visible = true;
    std::string picture;       // name of a picture drawn by the program
    std::string mousePointer;  // "Hand" or empty
    std::string shortcut;      // menu items: "Ctrl+O"
    std::vector<PropertyEntry> properties;  // hover buttons only, as their text: the bag owns the format
    std::vector<ControlDesign> children;    // menus only: their items

    bool operator==(const ControlDesign&) const = default;
};

struct WindowDesign {
    std::string name;
    std::string caption;
    TwipSize clientSize;
    BorderStyle borderStyle = BorderStyle::Sizable;
    bool showInTaskbar = true;
    StartUpPosition startUp = StartUpPosition::Default;
    TwipPoint position;  // used when startUp is Manual
    std::optional<Colour> backColor;
    std::string picture;
    bool pictureTiled = false;
    std::optional<ButtonFont> font;
    std::vector<ControlDesign> controls;  // in tab order; menus are listed with them

    bool operator==(const WindowDesign&) const = default;

    // The control of that name, menu items included; null when there is none.
    const ControlDesign* Find(std::string_view controlName) const;
};

// Reading stops at the first line it cannot take; `error` names that line.
struct DesignReadResult {
    std::optional<WindowDesign> design;
    std::string error;
};

DesignReadResult ReadDesign(std::string_view text);

// The canonical text of a design: reading it back gives the same design, and a file in
// canonical form is reproduced byte for byte.
std::string WriteDesign(const WindowDesign& design);

// The design compiled into the program under that file name ("Form1.design"). A missing or
// unreadable design is a build fault, so this throws std::runtime_error.
WindowDesign EmbeddedDesign(std::string_view fileName);

// The text of a design file compiled into the program; empty when unknown.
std::string_view DesignText(std::string_view fileName);

}  // namespace pelmora::designs
