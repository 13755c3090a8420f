#pragma once

#include "QtTextRenderer.h"
#include "QtTimerElement.h"
#include "controls/ButtonHost.h"

#include <QImage>
#include <QWidget>

#include <string>
#include <vector>

class QShortcut;

namespace pelmora::qt {

// The hover button as a Qt widget: Qt's events go to the button's host (ButtonHost), which keeps
// every rule, and the widget is the host's surface: it shows the host's raster image (in device
// pixels) under its shape, runs HoverTimer, raises the nine events as signals, moves the focus and
// captures the mouse.
class CommandButton final : public QWidget, private ButtonSurfacePort {
    Q_OBJECT

public:
    // `ambient` gives the host's font and fore colour and this button's name (also its object
    // name). The button starts with the design's values; ReadProperties or InitProperties follows.
    explicit CommandButton(ButtonAmbient ambient, QWidget* parent = nullptr);
    ~CommandButton() override;

    // The button's properties, state and rules.
    ButtonHost& Host() { return m_Host; }
    const ButtonHost& Host() const { return m_Host; }

    bool IsPointerOver() const override;

    QImage Image() const;  // a copy of the off-screen image
    const TimerElement& HoverTimer() const { return m_HoverTimer; }

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
    void propertyChanged(const QString& name);  // the host's stored design of the button is stale

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void Invalidate() override { update(); }
    void Refresh() override { repaint(); }
    void SetShape(const std::vector<CanvasRect>& shape) override;
    void SetHoverTimer(bool running) override { m_HoverTimer.SetEnabled(running); }
    void RestHoverTimer(bool resting) override { m_HoverTimer.SetResting(resting); }
    void Raise(const ButtonEventArgs& event) override;
    void MoveFocus(bool forward) override;
    void CaptureMouse() override;
    void ReleaseMouse() override;
    void PropertyChanged(const std::string& name) override;
    void SetEnabled(bool enabled) override { QWidget::setEnabled(enabled); }
    void SetFont(const ButtonFont& font) override;
    void SetAccessKey(const std::string& key) override;
    double Scale() const override { return devicePixelRatioF(); }
    QImage CanvasView() const;  // the canvas's pixels, not copied

    QtTextRenderer m_Text;
    RasterCanvas m_Canvas;
    TimerElement m_HoverTimer;
    ButtonHost m_Host;
    QShortcut* m_AccessKey = nullptr;
    bool m_Grabbed = false;
};

}  // namespace pelmora::qt
