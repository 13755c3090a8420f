#include "controls/ButtonHost.h"

#include "controls/ButtonPainter.h"
#include "controls/Overloaded.h"

#include <cmath>

namespace pelmora {

namespace N = notifications;

ButtonHost::ButtonHost(ButtonSurfacePort& surface, RasterCanvas& canvas, ButtonAmbient ambient)
    : m_Surface(surface), m_Canvas(&canvas), m_Ambient(std::move(ambient))
{
}

ButtonHost::ButtonHost(ButtonSurfacePort& surface, CanvasPort& canvas, ButtonAmbient ambient)
    : m_Surface(surface), m_Canvas(&canvas), m_Ambient(std::move(ambient))
{
}

ButtonHost::~ButtonHost() { *m_Alive = false; }

std::vector<PropertyEntry> ButtonHost::WriteEntries(const std::vector<PropertyEntry>& stored) const
{
    PropertyBag bag = BagOfEntries(stored);
    WriteProperties(bag);
    return EntriesOfBag(bag);
}

void ButtonHost::Resized(int width, int height)
{
    m_Width = width;
    m_Height = height;
    const double scale = m_Surface.Scale();
    Notify(N::Resize{static_cast<std::int32_t>(std::lround(width * scale)),
                     static_cast<std::int32_t>(std::lround(height * scale))});
}

void ButtonHost::FocusChanged(bool got)
{
    if (got)
        Notify(N::GotFocus{});
    else
        Notify(N::LostFocus{});
}

void ButtonHost::MouseDown(std::int16_t button, std::int16_t shift, double x, double y)
{
    m_ReleaseEndsDoubleClick = false;
    ButtonsHeld(true);
    Notify(N::MouseDown{button, shift, CanvasPixels(x), CanvasPixels(y)});
}

void ButtonHost::DoubleClick()
{
    m_ReleaseEndsDoubleClick = true;
    ButtonsHeld(true);
    Notify(N::DblClick{});
}

void ButtonHost::MouseMove(std::int16_t buttons, std::int16_t shift, double x, double y)
{
    if (buttons == 0)
        ButtonsHeld(false);  // also after a release that went to another window
    const bool over = buttons < 2 && IsPointerOver();
    Notify(N::MouseMove{buttons, shift, CanvasPixels(x), CanvasPixels(y), over});
}

// The platform's click follows the release that lets go of the last button while the pointer is
// still on the button.
void ButtonHost::MouseUp(std::int16_t button, std::int16_t shift, double x, double y, bool lastButton)
{
    const bool clicks = lastButton && IsOnShape(x, y) && !m_ReleaseEndsDoubleClick;
    if (lastButton) {
        m_ReleaseEndsDoubleClick = false;
        ButtonsHeld(false);
        m_Surface.ReleaseMouse();
    }
    const std::shared_ptr<bool> alive = m_Alive;
    Notify(N::MouseUp{button, shift, CanvasPixels(x), CanvasPixels(y)});
    if (clicks && *alive)
        Notify(N::Click{});
}

void ButtonHost::KeyDown(std::int16_t keyCode, std::int16_t shift, std::int16_t keyAscii)
{
    const std::shared_ptr<bool> alive = m_Alive;
    Notify(N::KeyDown{keyCode, shift});
    if (keyAscii != 0 && *alive)
        Notify(N::KeyPress{keyAscii});
}

void ButtonHost::KeyUp(std::int16_t keyCode, std::int16_t shift) { Notify(N::KeyUp{keyCode, shift}); }

void ButtonHost::HoverTimerTicked()
{
    const bool over = IsPointerOver();
    const std::shared_ptr<bool> alive = m_Alive;
    Notify(N::TimerTick{over});
    if (*alive && over && m_TimerOn && !m_ButtonsHeld && !m_TimerResting) {
        m_TimerResting = true;
        m_Surface.RestHoverTimer(true);
    }
}

void ButtonHost::SwitchHoverTimer(bool on)
{
    m_TimerOn = on;
    m_TimerResting = false;
    m_Surface.SetHoverTimer(on);
}

void ButtonHost::WakeHoverTimer()
{
    if (!m_TimerResting)
        return;
    m_TimerResting = false;
    m_Surface.RestHoverTimer(false);
}

// While a mouse button is held the timer asks on every tick.
void ButtonHost::ButtonsHeld(bool held)
{
    m_ButtonsHeld = held;
    if (held)
        WakeHoverTimer();
}

// Disabled, the button is no longer under the pointer for the next tick.
void ButtonHost::Carry(const effects::SurfaceEnabled& effect)
{
    m_Surface.SetEnabled(effect.enabled);
    WakeHoverTimer();
}

// The platform's window-under-point lookup never finds a disabled window.
bool ButtonHost::IsPointerOver() const { return Enabled() && m_Surface.IsPointerOver(); }

void ButtonHost::Apply(ButtonStepResult result)
{
    m_State = std::move(result.state);
    const unsigned step = ++m_Steps;
    const std::shared_ptr<bool> alive = m_Alive;
    for (const ButtonEffect& effect : result.effects) {
        // A handler of this step's events may have applied a step of its own (a setter, a focus
        // change): later drawings then show the fields as they are now, as the platform would.
        const bool nested = step != m_Steps;
        std::visit(Overloaded{
                       [&](const effects::Draw& e) { Draw(nested ? m_State.fields : e.fields, e.request); },
                       [&](const auto& e) { Carry(e); },
                   },
                   effect);
        if (!*alive)
            return;
    }
}

void ButtonHost::Draw(const ButtonFields& fields, std::int16_t request)
{
    ButtonFields drawn = fields;
    if (RasterCanvas* const* raster = std::get_if<RasterCanvas*>(&m_Canvas)) {
        RasterCanvas& canvas = **raster;
        if (canvas.Width() != drawn.m_Width || canvas.Height() != drawn.m_Height)
            canvas.Resize(drawn.m_Width, drawn.m_Height);
        DrawButton(drawn, m_State.surface, canvas, request);
    } else {
        DrawButton(drawn, m_State.surface, *std::get<CanvasPort*>(m_Canvas), request);
    }
    // The region DrawButton built is the window's now; the state keeps its handle.
    m_State.fields.m_Region = drawn.m_Region;
    m_State.fields.m_ScratchRegion = drawn.m_ScratchRegion;
    ++m_Redraws;
    if (RasterCanvas* const* raster = std::get_if<RasterCanvas*>(&m_Canvas)) {
        if (const PixelRegion* region = (*raster)->WindowRegion())
            TakeShape(*region, (*raster)->Width(), (*raster)->Height());
    }
    m_Surface.Invalidate();
}

// The window region in the surface's units, converted as a whole: a unit goes only where a cut
// pixel touches it, so at any scale the corners stay cut and the frame's rows and columns stay.
void ButtonHost::TakeShape(const PixelRegion& region, int pixelWidth, int pixelHeight)
{
    ScaleRegionToUnits(region, CanvasRect{0, 0, pixelWidth, pixelHeight}, m_Surface.Scale(),
                       CanvasRect{0, 0, m_Width, m_Height}, m_UnitShape);
    if (m_UnitShape.Rects() == m_Shape)
        return;
    m_Shape = m_UnitShape.Rects();
    m_Surface.SetShape(m_Shape);
}

// Inside the surface and its shape, the point rounded to its unit as the toolkits round it.
bool ButtonHost::IsOnShape(double x, double y) const
{
    const int ux = static_cast<int>(std::floor(x + 0.5));
    const int uy = static_cast<int>(std::floor(y + 0.5));
    if (ux < 0 || uy < 0 || ux >= m_Width || uy >= m_Height)
        return false;
    if (m_Shape.empty())
        return true;
    for (const CanvasRect& r : m_Shape) {
        if (ux >= r.left && ux < r.right && uy >= r.top && uy < r.bottom)
            return true;
    }
    return false;
}

}  // namespace pelmora
