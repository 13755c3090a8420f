#include "controls/ButtonEffects.h"

#include "controls/Overloaded.h"

#include <cstdio>

namespace pelmora {

namespace {

std::string Hex(Colour colour)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "&H%08X&", static_cast<unsigned>(colour));
    return buffer;
}

}  // namespace

std::string Describe(const ButtonEffect& effect)
{
    using std::string;
    return std::visit(
        Overloaded{
            [](const effects::Draw& e) {
                return "DrawButton(" + std::to_string(e.request) + ")" + (e.fields.m_Hover == -1 ? " hover" : "");
            },
            [](const effects::Refresh&) { return string("Refresh"); },
            [](const effects::EnableTimer&) { return string("TimerOn"); },
            [](const effects::DisableTimer&) { return string("TimerOff"); },
            [](const effects::Raise& e) { return "Raise " + Describe(e.event); },
            [](const effects::SendTab&) { return string("SendTab"); },
            [](const effects::SendShiftTab&) { return string("SendShiftTab"); },
            [](const effects::CaptureMouse&) { return string("CaptureMouse"); },
            [](const effects::NotifyChanged& e) { return "Notify " + e.property; },
            [](const effects::SurfaceEnabled& e) { return string("SurfaceEnabled ") + (e.enabled ? "1" : "0"); },
            [](const effects::SurfaceFont& e) { return "SurfaceFont " + e.font.name; },
            [](const effects::SurfaceForeColor& e) { return "SurfaceForeColor " + Hex(e.colour); },
            [](const effects::AccessKeys& e) { return "AccessKeys " + (e.keys.empty() ? string("(none)") : e.keys); },
        },
        effect);
}

std::string Describe(const std::vector<ButtonEffect>& effects)
{
    std::string text;
    for (const ButtonEffect& effect : effects) {
        if (!text.empty()) text += "; ";
        text += Describe(effect);
    }
    return text;
}

}  // namespace pelmora
