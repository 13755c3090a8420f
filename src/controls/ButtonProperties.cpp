#include "controls/ButtonProperties.h"

#include "controls/AccessKey.h"
#include "controls/ButtonInteractionBuilder.h"

namespace pelmora {

using detail::StepBuilder;

namespace {

void ApplyAccessKey(StepBuilder& step)
{
    UpdateAccessKey(step.Fields().m_Caption, step.State().surface);
    step.Add(effects::AccessKeys{step.State().surface.accessKeys});
}

void ApplySurfaceEnabled(StepBuilder& step, bool enabled)
{
    step.State().surface.enabled = enabled;
    step.Add(effects::SurfaceEnabled{enabled});
}

void ApplySurfaceFont(StepBuilder& step, const ButtonFont& font)
{
    step.State().surface.font = font;
    step.Add(effects::SurfaceFont{font});
}

void ApplySurfaceForeColor(StepBuilder& step, Colour colour)
{
    step.State().surface.foreColor = colour;
    step.Add(effects::SurfaceForeColor{colour});
}

std::int16_t Flag(bool value) { return value ? -1 : 0; }

}  // namespace

ButtonStepResult SetEnabled(const ButtonState& state, bool enabled)
{
    StepBuilder step(state);
    step.Fields().m_Enabled = Flag(enabled);
    step.Add(effects::NotifyChanged{kPropertyEnabled});
    ApplySurfaceEnabled(step, enabled);
    step.Draw(0);
    return step.Take();
}

ButtonStepResult SetFont(const ButtonState& state, const ButtonFont& font)
{
    StepBuilder step(state);
    ApplySurfaceFont(step, font);
    step.Draw(0);
    step.Add(effects::NotifyChanged{kPropertyFont});
    return step.Take();
}

ButtonStepResult SetCaption(const ButtonState& state, const std::string& caption)
{
    StepBuilder step(state);
    step.Fields().m_Caption = caption;
    step.Draw(0);
    ApplyAccessKey(step);
    step.Add(effects::NotifyChanged{kPropertyCaption});
    return step.Take();
}

ButtonStepResult SetForeColor(const ButtonState& state, Colour colour)
{
    StepBuilder step(state);
    ApplySurfaceForeColor(step, colour);
    step.Draw(0);
    step.Add(effects::NotifyChanged{kPropertyForeColor});
    return step.Take();
}

ButtonStepResult SetForeHover(const ButtonState& state, Colour colour)
{
    StepBuilder step(state);
    step.Fields().m_ForeHover = colour;
    step.Add(effects::NotifyChanged{kPropertyForeHover});
    return step.Take();
}

ButtonStepResult InitProperties(const ButtonState& state, const ButtonAmbient& host)
{
    StepBuilder step(state);
    ApplySurfaceFont(step, host.font);
    const std::string& name = host.displayName;
    step.Fields().m_Caption = "Command" + (name.size() > 13 ? name.substr(13) : std::string());
    step.Fields().m_Enabled = -1;
    return step.Take();
}

ButtonStepResult ReadProperties(const ButtonState& state, const PropertyBag& bag, const ButtonAmbient& host)
{
    StepBuilder step(state);
    ButtonFields& f = step.Fields();
    f.m_Enabled = Flag(ReadBoolean(bag, kPropertyEnabled, true));
    ApplySurfaceFont(step, ReadFont(bag, kPropertyFont, host.font));
    f.m_Caption = ReadString(bag, kPropertyCaption, host.displayName);
    const auto hostFore = static_cast<std::int32_t>(host.foreColor);
    ApplySurfaceForeColor(step, static_cast<Colour>(ReadInt32(bag, kPropertyForeColor, hostFore)));
    const auto ownFore = static_cast<std::int32_t>(step.State().surface.foreColor);
    f.m_ForeHover = static_cast<Colour>(ReadInt32(bag, kPropertyForeHover, ownFore));
    ApplySurfaceEnabled(step, f.m_Enabled != 0);
    ApplyAccessKey(step);
    return step.Take();
}

void WriteProperties(const ButtonState& state, PropertyBag& bag, const ButtonAmbient& host)
{
    const ButtonFields& f = state.fields;
    bag.WriteProperty(kPropertyEnabled, f.m_Enabled != 0, true);
    bag.WriteProperty(kPropertyFont, state.surface.font, host.font);
    bag.WriteProperty(kPropertyCaption, f.m_Caption, host.displayName);
    bag.WriteProperty(kPropertyForeColor, static_cast<std::int32_t>(state.surface.foreColor));
    bag.WriteProperty(kPropertyForeHover, static_cast<std::int32_t>(f.m_ForeHover),
                      static_cast<std::int32_t>(host.foreColor));
}

}  // namespace pelmora
