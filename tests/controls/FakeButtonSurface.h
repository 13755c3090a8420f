#pragma once

#include "controls/ButtonDrawingTestSupport.h"
#include "controls/ButtonHost.h"

#include <functional>
#include <string>
#include <vector>

namespace pelmora::testing {

// A hover button's window that notes what its host asks of it, one line each ("Invalidate",
// "Refresh", "Shape 3", "TimerOn", "Raise Click", "Focus next", "Capture", "Release",
// "Changed Caption", "Enabled 0", "Font Arial", "AccessKey a", "AccessKey (none)"), and answers the pointer query
// and its scale as a test sets them.
class FakeButtonSurface : public ButtonSurfacePort {
public:
    void Invalidate() override { Note("Invalidate"); }
    void Refresh() override { Note("Refresh"); }
    void SetShape(const std::vector<CanvasRect>& rects) override
    {
        shape = rects;
        Note("Shape " + std::to_string(rects.size()));
    }
    void SetHoverTimer(bool running) override
    {
        timerResting = false;
        Note(running ? "TimerOn" : "TimerOff");
    }
    void RestHoverTimer(bool resting) override { timerResting = resting; }  // not noted: timing only
    void Raise(const ButtonEventArgs& event) override
    {
        Note("Raise " + Describe(event));
        if (onRaise) onRaise(event);
    }
    void MoveFocus(bool forward) override { Note(forward ? "Focus next" : "Focus previous"); }
    void CaptureMouse() override { Note("Capture"); }
    void ReleaseMouse() override { Note("Release"); }
    bool IsPointerOver() const override
    {
        ++pointerQueries;
        return pointerOver;
    }
    double Scale() const override { return scale; }
    void PropertyChanged(const std::string& name) override
    {
        Note("Changed " + name);
        if (onChanged) onChanged(name);
    }
    void SetEnabled(bool enabled) override { Note(enabled ? "Enabled 1" : "Enabled 0"); }
    void SetFont(const ButtonFont& font) override { Note("Font " + font.name); }
    void SetAccessKey(const std::string& key) override { Note("AccessKey " + (key.empty() ? "(none)" : key)); }

    // The lines noted since the last call, joined by "; ".
    std::string Take()
    {
        std::string text;
        for (const std::string& call : calls) text += (text.empty() ? "" : "; ") + call;
        calls.clear();
        return text;
    }
    int Clicks() const { return clicks; }

    bool pointerOver = false;
    bool timerResting = false;
    double scale = 1;
    std::vector<CanvasRect> shape;
    mutable int pointerQueries = 0;
    // Handlers of what the button raises and announces, as a window's would run.
    std::function<void(const ButtonEventArgs&)> onRaise;
    std::function<void(const std::string&)> onChanged;

private:
    void Note(std::string call)
    {
        if (call == "Raise Click") ++clicks;
        calls.push_back(std::move(call));
    }

    std::vector<std::string> calls;
    int clicks = 0;
};

// A button hosted on a fake window, drawn on a raster canvas with the fixed-cell font.
struct HostedButton {
    explicit HostedButton(ButtonAmbient ambient = {}) : host(surface, canvas, std::move(ambient)) {}

    FakeButtonSurface surface;
    FixedCellTextRenderer text;
    RasterCanvas canvas{text, ClassicSystemColour};
    ButtonHost host;
};

}  // namespace pelmora::testing
