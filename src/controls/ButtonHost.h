#pragma once

#include "controls/ButtonInteraction.h"
#include "controls/ButtonProperties.h"
#include "controls/ButtonSurfacePort.h"
#include "controls/CanvasPort.h"
#include "controls/PropertyBagText.h"
#include "controls/RasterCanvas.h"

#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace pelmora {

// The hover button as a front end hosts it, without a toolkit: it owns the button's state, feeds
// the platform's input to the pure step (ButtonInteraction.h) and the property functions
// (ButtonProperties.h), and carries out their effects on its canvas and its window, the surface
// port. It adds the rules that lie between the platform and the step: when a release is a click,
// what a drawing shows when an event's handler changed the button meanwhile, and keeping the
// window region each drawing builds. A front end only translates its events into the calls below
// and implements the port.
//
// Sizes and positions come in the surface's own units; the canvas and the events' X and Y are in
// canvas pixels, the surface's Scale() of them to a unit.
class ButtonHost {
public:
    // On a raster canvas the host sizes the canvas and hands its region to the surface as the
    // window's shape; any other canvas is the front end's to size, and sets its window's shape
    // itself.
    ButtonHost(ButtonSurfacePort& surface, RasterCanvas& canvas, ButtonAmbient ambient);
    ButtonHost(ButtonSurfacePort& surface, CanvasPort& canvas, ButtonAmbient ambient);
    ~ButtonHost();
    ButtonHost(const ButtonHost&) = delete;
    ButtonHost& operator=(const ButtonHost&) = delete;

    // Properties. Every setter but SetForeHover redraws at once; each announces PropertyChanged.
    bool Enabled() const { return m_State.fields.m_Enabled != 0; }
    void SetEnabled(bool enabled) { Apply(pelmora::SetEnabled(m_State, enabled)); }
    const ButtonFont& Font() const { return m_State.surface.font; }
    void SetFont(const ButtonFont& font) { Apply(pelmora::SetFont(m_State, font)); }
    const std::string& Caption() const { return m_State.fields.m_Caption; }
    void SetCaption(const std::string& caption) { Apply(pelmora::SetCaption(m_State, caption)); }
    Colour ForeColor() const { return m_State.surface.foreColor; }
    void SetForeColor(Colour colour) { Apply(pelmora::SetForeColor(m_State, colour)); }
    Colour ForeHover() const { return m_State.fields.m_ForeHover; }
    void SetForeHover(Colour colour) { Apply(pelmora::SetForeHover(m_State, colour)); }
    const std::string& AccessKey() const { return m_State.surface.accessKeys; }  // lower case, "" for none

    // Placed new on a window / created from a stored design / saved into one.
    void InitProperties() { Apply(pelmora::InitProperties(m_State, m_Ambient)); }
    void ReadProperties(const PropertyBag& bag) { Apply(pelmora::ReadProperties(m_State, bag, m_Ambient)); }
    void WriteProperties(PropertyBag& bag) const { pelmora::WriteProperties(m_State, bag, m_Ambient); }
    // The same from and into a window design's stored entries; the host's own entries
    // ("_extentx", "_extenty") stay as they were stored.
    void ReadEntries(const std::vector<PropertyEntry>& entries) { ReadProperties(BagOfEntries(entries)); }
    std::vector<PropertyEntry> WriteEntries(const std::vector<PropertyEntry>& stored) const;
    const ButtonAmbient& Ambient() const { return m_Ambient; }

    // The window's notifications, with mouse buttons, Shift and key codes as the button's events
    // code them.
    void Resized(int width, int height);
    void Shown() { Notify(notifications::Show{}); }
    void FocusChanged(bool got);
    // Another window takes the keys while the focus stays here (a popup menu): the key that went
    // down last is forgotten, so its key-up, wherever it lands, does not click.
    void InputTaken() { Notify(notifications::InputTaken{}); }
    void MouseDown(std::int16_t button, std::int16_t shift, double x, double y);
    void DoubleClick();  // the second press of a double-click, instead of its MouseDown
    // `buttons` is the set held. Only moves with no button or the left one held ask where the
    // pointer is; a disabled button is never under it.
    void MouseMove(std::int16_t buttons, std::int16_t shift, double x, double y);
    // `lastButton`: no button is held any more. Such a release on the button's shape clicks,
    // unless it ends a double-click.
    void MouseUp(std::int16_t button, std::int16_t shift, double x, double y, bool lastButton);
    // A key went down and typed `keyAscii` (0 for none). Every key is raised and counts as the
    // last key down, also one the platform has no code for (key code 0).
    void KeyDown(std::int16_t keyCode, std::int16_t shift, std::int16_t keyAscii);
    void KeyUp(std::int16_t keyCode, std::int16_t shift);
    // A character typed, where the platform reports it apart from its key-down (Win32's WM_CHAR):
    // raised as KeyPress only, so the key-down stays the last key that went down.
    void KeyTyped(std::int16_t keyAscii) { Notify(notifications::KeyPress{keyAscii}); }
    void AccessKeyPressed() { Notify(notifications::AccessKeyPress{}); }
    void HoverTimerTicked();  // a disabled button is not under the pointer: its hover ends
    // The platform says the pointer may no longer be over the button (it left, a window came up
    // on top of it, the window went away). A tick that finds the pointer over the button with no
    // mouse button held rests the timer, as nothing else can change what the next one would find;
    // this wakes it, so the tick that ends the hover look comes as it would have.
    void PointerMayHaveLeft() { WakeHoverTimer(); }

    // What the button keeps, for tests and measurements.
    const ButtonState& State() const { return m_State; }
    long RedrawCount() const { return m_Redraws; }

private:
    void Notify(const ButtonNotification& notification) { Apply(Step(m_State, notification)); }
    void Apply(ButtonStepResult result);
    void Draw(const ButtonFields& fields, std::int16_t request);
    void Carry(const effects::Refresh&) { m_Surface.Refresh(); }
    void Carry(const effects::EnableTimer&) { SwitchHoverTimer(true); }
    void Carry(const effects::DisableTimer&) { SwitchHoverTimer(false); }
    void Carry(const effects::Raise& effect) { m_Surface.Raise(effect.event); }
    void Carry(const effects::SendTab&) { m_Surface.MoveFocus(true); }
    void Carry(const effects::SendShiftTab&) { m_Surface.MoveFocus(false); }
    void Carry(const effects::CaptureMouse&) { m_Surface.CaptureMouse(); }
    void Carry(const effects::NotifyChanged& effect) { m_Surface.PropertyChanged(effect.property); }
    void Carry(const effects::SurfaceEnabled& effect);
    void Carry(const effects::SurfaceFont& effect) { m_Surface.SetFont(effect.font); }
    void Carry(const effects::SurfaceForeColor&) {}  // drawn from the state
    void Carry(const effects::AccessKeys& effect) { m_Surface.SetAccessKey(effect.keys); }
    float CanvasPixels(double units) const { return static_cast<float>(units * m_Surface.Scale()); }
    void TakeShape(const PixelRegion& region, int pixelWidth, int pixelHeight);
    bool IsOnShape(double x, double y) const;
    bool IsPointerOver() const;
    void SwitchHoverTimer(bool on);
    void WakeHoverTimer();
    void ButtonsHeld(bool held);

    ButtonSurfacePort& m_Surface;
    std::variant<RasterCanvas*, CanvasPort*> m_Canvas;
    ButtonAmbient m_Ambient;
    ButtonState m_State;
    int m_Width = 0;  // the surface's size and shape, in its units
    int m_Height = 0;
    std::vector<CanvasRect> m_Shape;
    PixelRegion m_UnitShape;  // reused for each drawing's conversion
    // False once the host is gone: a handler of a raised event may delete the button, and the
    // step that raised it must then stop.
    std::shared_ptr<bool> m_Alive = std::make_shared<bool>(true);
    unsigned m_Steps = 0;  // steps applied so far, to notice one applied within another
    bool m_ReleaseEndsDoubleClick = false;
    bool m_TimerOn = false;
    bool m_TimerResting = false;
    // From a press until the release of the last mouse button: the platform then holds back its
    // leave notifications, so the timer keeps asking where the pointer is.
    bool m_ButtonsHeld = false;
    long m_Redraws = 0;
};

}  // namespace pelmora
