#pragma once

#include "QtTextRenderer.h"
#include "QtTimerElement.h"
#include "controls/ButtonInteraction.h"
#include "controls/ButtonProperties.h"
#include "controls/RasterCanvas.h"

#include <QImage>
#include <QRegion>
#include <QWidget>

#include <functional>
#include <string>

class QShortcut;

namespace pelmora::qt {

// The hover button as a Qt widget. It owns no rule of its own: Qt's events become the button's
// notifications (ButtonInteraction.h), the property setters are the pure functions of
// ButtonProperties.h, and the widget carries out the effects they return: drawing into its
// off-screen raster image (device pixels) and taking that image's shape as its mask, repainting,
// running HoverTimer, raising the nine events as signals, moving the focus, capturing the mouse.
class CommandButton final : public QWidget {
    Q_OBJECT

public:
    // `host` gives the host's font and fore colour and this button's name (also its object name).
    // The button starts with the design's values; ReadProperties or InitProperties follows.
    explicit CommandButton(ButtonAmbient host, QWidget* parent = nullptr);
    ~CommandButton() override;

    // Properties. Every setter but SetForeHover redraws at once; each announces propertyChanged.
    bool Enabled() const { return m_State.fields.m_Enabled != 0; }
    void SetEnabled(bool enabled);
    const ButtonFont& Font() const { return m_State.surface.font; }
    void SetFont(const ButtonFont& font);
    const std::string& Caption() const { return m_State.fields.m_Caption; }
    void SetCaption(const std::string& caption);
    Colour ForeColor() const { return m_State.surface.foreColor; }
    void SetForeColor(Colour colour);
    Colour ForeHover() const { return m_State.fields.m_ForeHover; }
    void SetForeHover(Colour colour);

    // Placed new on a window / created from a stored design / saved into one.
    void InitProperties();
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;
    const ButtonAmbient& Host() const { return m_Host; }

    // The access key ("" for none), lower case.
    const std::string& AccessKey() const { return m_State.surface.accessKeys; }

    // Is the widget under the pointer this button? Cut corners and windows on top count as not.
    bool IsPointerOver() const;
    // Tests answer IsPointerOver themselves where the pointer cannot be moved; an empty
    // function restores the real query.
    void SetPointerProbe(std::function<bool()> probe) { m_PointerProbe = std::move(probe); }

    // What the button shows and keeps, for tests and measurements.
    const ButtonState& State() const { return m_State; }
    QImage Image() const;  // a copy of the off-screen image
    bool HoverTimerRunning() const { return m_HoverTimer.Enabled(); }
    const TimerElement& HoverTimer() const { return m_HoverTimer; }
    long RedrawCount() const { return m_Redraws; }

signals:
    void Click();
    void MouseDown(short button, short shift, float x, float y);
    void MouseMove(short button, short shift, float x, float y);
    void MouseUp(short button, short shift, float x, float y);
    void KeyPress(short keyAscii);
    void KeyDown(short keyCode, short shift);
    void KeyUp(short keyCode, short shift);
    void MouseOver();
    void MouseOut();
    // The host's stored design of the button is out of date.
    void propertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void Notify(const ButtonNotification& notification);
    void Apply(ButtonStepResult result);
    // False when a handler of a raised event deleted the button.
    bool Carry(const ButtonEffect& effect, bool snapshotCurrent);
    void Draw(const ButtonFields& fields, std::int16_t request);
    void Raise(const ButtonEventArgs& event);
    void SendTab(bool forward);
    void SetAccessKeys(const std::string& keys);
    void TakeCanvasShape();
    QPointF DevicePosition(const QPointF& position) const;

    ButtonAmbient m_Host;
    ButtonState m_State;
    QtTextRenderer m_Text;
    RasterCanvas m_Canvas;
    TimerElement m_HoverTimer;
    QShortcut* m_AccessKey = nullptr;
    std::function<bool()> m_PointerProbe;
    QRegion m_Shape;
    long m_Redraws = 0;
    unsigned m_Steps = 0;                // counts applied steps, to notice nested ones
    bool m_ReleaseEndsDoubleClick = false;  // the second press of a double-click clicks not
    bool m_Grabbed = false;
};

}  // namespace pelmora::qt
