#include "controls/ButtonInteractionEffect.h"

#include <cstdio>
#include <utility>

namespace pelmora {

ButtonEffect ButtonEffect::Draw(std::int16_t request, const ButtonFields& fields)
{
    ButtonEffect effect = Of(ButtonEffectKind::DrawButton);
    effect.request = request;
    effect.fields = fields;
    return effect;
}

ButtonEffect ButtonEffect::Raise(const ButtonEventArgs& event)
{
    ButtonEffect effect = Of(ButtonEffectKind::Raise);
    effect.event = event;
    return effect;
}

ButtonEffect ButtonEffect::Notify(std::string property)
{
    ButtonEffect effect = Of(ButtonEffectKind::NotifyChanged);
    effect.text = std::move(property);
    return effect;
}

ButtonEffect ButtonEffect::SurfaceEnabled(bool enabled)
{
    ButtonEffect effect = Of(ButtonEffectKind::SetSurfaceEnabled);
    effect.enabled = enabled;
    return effect;
}

ButtonEffect ButtonEffect::SurfaceFont(const ButtonFont& font)
{
    ButtonEffect effect = Of(ButtonEffectKind::SetSurfaceFont);
    effect.font = font;
    return effect;
}

ButtonEffect ButtonEffect::SurfaceForeColor(Colour colour)
{
    ButtonEffect effect = Of(ButtonEffectKind::SetSurfaceForeColor);
    effect.colour = colour;
    return effect;
}

ButtonEffect ButtonEffect::AccessKeys(std::string keys)
{
    ButtonEffect effect = Of(ButtonEffectKind::SetAccessKeys);
    effect.text = std::move(keys);
    return effect;
}

std::string Describe(const ButtonEffect& effect)
{
    switch (effect.kind) {
    case ButtonEffectKind::DrawButton:
        return "DrawButton(" + std::to_string(effect.request) + ")" +
               (effect.fields.m_Hover == -1 ? " hover" : "");
    case ButtonEffectKind::Refresh: return "Refresh";
    case ButtonEffectKind::EnableTimer: return "TimerOn";
    case ButtonEffectKind::DisableTimer: return "TimerOff";
    case ButtonEffectKind::Raise: return "Raise " + Describe(effect.event);
    case ButtonEffectKind::SendTab: return "SendTab";
    case ButtonEffectKind::SendShiftTab: return "SendShiftTab";
    case ButtonEffectKind::CaptureMouse: return "CaptureMouse";
    case ButtonEffectKind::NotifyChanged: return "Notify " + effect.text;
    case ButtonEffectKind::SetSurfaceEnabled: return effect.enabled ? "SurfaceEnabled 1" : "SurfaceEnabled 0";
    case ButtonEffectKind::SetSurfaceFont: return "SurfaceFont " + effect.font.name;
    case ButtonEffectKind::SetSurfaceForeColor: {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "&H%08X&", static_cast<unsigned>(effect.colour));
        return std::string("SurfaceForeColor ") + buffer;
    }
    case ButtonEffectKind::SetAccessKeys: return "AccessKeys " + (effect.text.empty() ? "(none)" : effect.text);
    }
    return "?";
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
