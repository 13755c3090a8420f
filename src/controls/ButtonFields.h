#pragma once

#include "controls/Colour.h"

#include <cstdint>
#include <string>

namespace pelmora {

struct ButtonRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

using RegionHandle = std::uintptr_t;  // 0 is no region

// The hover button's private state, in declaration order. 16-bit flags use -1 for True.
struct ButtonFields {
    ButtonRect m_ClientRect;
    std::int32_t m_Width = 0;
    std::int32_t m_Height = 0;
    RegionHandle m_Region = 0;
    RegionHandle m_ScratchRegion = 0;
    std::int16_t m_Hover = 0;       // -1 while the hover look is on
    std::int16_t m_InsideSeen = 0;  // 1 once a move inside has been handled
    std::int16_t m_Focused = 0;     // -1 while the button has the focus
    std::int16_t m_Button = 0;      // last press: 1 left, 2 right, 4 middle
    std::int16_t m_LastKey = 0;     // key code of the last key-down
    std::int32_t m_Right = 0;       // W - 1, the last column
    std::int32_t m_Left = 0;
    std::int32_t m_Top = 0;
    std::int32_t m_Bottom = 0;      // H, one past the last row
    std::int16_t m_Enabled = -1;
    std::string m_Caption;
    Colour m_ForeHover = 0;
};

// The font of a button's surface, as stored in a window design.
struct ButtonFont {
    std::string name = "MS Sans Serif";
    double size = 8.25;  // points
    int weight = 400;
    int charset = 0;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;

    bool operator==(const ButtonFont&) const = default;
};

// Values the button's surface keeps beside its fields.
struct ButtonSurface {
    ButtonFont font;
    Colour foreColor = kColourWindowFrame;
    Colour backColor = kColourWindow;
    bool enabled = true;
    std::string accessKeys;  // at most one character, lower case
};

}  // namespace pelmora
