#include "CommandButton.h"

#include "CommandButtonInput.h"
#include "QtDesignStyle.h"
#include "controls/ButtonPainter.h"
#include "controls/Overloaded.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QShortcut>
#include <QTimer>

#include <cmath>

namespace pelmora::qt {

namespace {

std::int16_t KeyCodeOf(const QKeyEvent& event)
{
#ifdef _WIN32
    if (event.nativeVirtualKey() != 0)
        return static_cast<std::int16_t>(event.nativeVirtualKey());
#endif
    return VirtualKeyOf(event.key(), event.modifiers().testFlag(Qt::KeypadModifier));
}

}  // namespace

CommandButton::CommandButton(ButtonAmbient host, QWidget* parent)
    : QWidget(parent),
      m_Host(std::move(host)),
      m_Canvas(m_Text, [this](int index) { return ResolveButtonSystemColour(palette(), index); }),
      m_HoverTimer(kHoverTimerIntervalMs)
{
    setObjectName(ToQString(m_Host.displayName));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);                     // moves without a button held reach the button
    setAttribute(Qt::WA_OpaquePaintEvent);      // the image covers every pixel inside the mask
    connect(&m_HoverTimer, &TimerElement::Timer, this,
            [this] { Notify(notifications::TimerTick(IsPointerOver())); });
}

CommandButton::~CommandButton()
{
    if (m_Grabbed)
        releaseMouse();
}

// ---- properties

void CommandButton::SetEnabled(bool enabled) { Apply(pelmora::SetEnabled(m_State, enabled)); }
void CommandButton::SetFont(const ButtonFont& font) { Apply(pelmora::SetFont(m_State, font)); }
void CommandButton::SetCaption(const std::string& caption) { Apply(pelmora::SetCaption(m_State, caption)); }
void CommandButton::SetForeColor(Colour colour) { Apply(pelmora::SetForeColor(m_State, colour)); }
void CommandButton::SetForeHover(Colour colour) { Apply(pelmora::SetForeHover(m_State, colour)); }

void CommandButton::InitProperties() { Apply(pelmora::InitProperties(m_State, m_Host)); }
void CommandButton::ReadProperties(const PropertyBag& bag) { Apply(pelmora::ReadProperties(m_State, bag, m_Host)); }
void CommandButton::WriteProperties(PropertyBag& bag) const { pelmora::WriteProperties(m_State, bag, m_Host); }

// ---- looking in

// Asking the window system (QCursor::pos and widgetAt) costs X11 three round trips, several times
// what the timer's wake-up itself costs. Qt already tracks the widget under the pointer from the
// window system's crossing events, masks and windows on top included, so a tick only reads that;
// only while a mouse button is held, when Qt holds those events back until the release, is the
// window system asked.
bool CommandButton::IsPointerOver() const
{
    if (m_PointerProbe)
        return m_PointerProbe();
    if (QGuiApplication::mouseButtons() != Qt::NoButton || m_Grabbed)
        return QApplication::widgetAt(QCursor::pos()) == this;
    return underMouse();
}

QImage CommandButton::Image() const
{
    const QImage view(reinterpret_cast<const uchar*>(m_Canvas.Pixels()), m_Canvas.Width(), m_Canvas.Height(),
                      static_cast<qsizetype>(m_Canvas.Width()) * 4, QImage::Format_RGB32);
    QImage copy = view.copy();
    copy.setDevicePixelRatio(devicePixelRatioF());
    return copy;
}

// ---- Qt's events become notifications

void CommandButton::paintEvent(QPaintEvent*)
{
    if (m_Canvas.Width() == 0 || m_Canvas.Height() == 0)
        return;
    QImage view(reinterpret_cast<const uchar*>(m_Canvas.Pixels()), m_Canvas.Width(), m_Canvas.Height(),
                static_cast<qsizetype>(m_Canvas.Width()) * 4, QImage::Format_RGB32);
    view.setDevicePixelRatio(devicePixelRatioF());
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), view);
}

void CommandButton::resizeEvent(QResizeEvent*)
{
    const double ratio = devicePixelRatioF();
    Notify(notifications::Resize(static_cast<std::int32_t>(std::lround(width() * ratio)),
                                      static_cast<std::int32_t>(std::lround(height() * ratio))));
}

void CommandButton::showEvent(QShowEvent*) { Notify(notifications::Show()); }

// A popup menu opening or closing leaves the focus where it was.
void CommandButton::focusInEvent(QFocusEvent* event)
{
    if (event->reason() != Qt::PopupFocusReason)
        Notify(notifications::GotFocus());
}

void CommandButton::focusOutEvent(QFocusEvent* event)
{
    if (event->reason() != Qt::PopupFocusReason)
        Notify(notifications::LostFocus());
}

void CommandButton::mousePressEvent(QMouseEvent* event)
{
    m_ReleaseEndsDoubleClick = false;
    const QPointF at = DevicePosition(event->position());
    Notify(notifications::MouseDown(MouseButtonsOf(event->button()), ShiftStateOf(event->modifiers()),
                                         static_cast<float>(at.x()), static_cast<float>(at.y())));
}

void CommandButton::mouseDoubleClickEvent(QMouseEvent*)
{
    m_ReleaseEndsDoubleClick = true;
    Notify(notifications::DblClick());
}

void CommandButton::mouseMoveEvent(QMouseEvent* event)
{
    const std::int16_t buttons = MouseButtonsOf(event->buttons());
    const QPointF at = DevicePosition(event->position());
    // Only moves with no button or the left one held ask where the pointer is.
    const bool over = buttons < 2 && IsPointerOver();
    Notify(notifications::MouseMove(buttons, ShiftStateOf(event->modifiers()), static_cast<float>(at.x()),
                                         static_cast<float>(at.y()), over));
}

// The platform's click follows the release that lets go of the last button, when the pointer is
// still on the button; the release ending a double-click clicks not.
void CommandButton::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF at = DevicePosition(event->position());
    const bool lastButton = event->buttons() == Qt::NoButton;
    const QPoint point = event->position().toPoint();
    const bool onButton = rect().contains(point) && (m_Shape.isEmpty() || m_Shape.contains(point));
    const bool clicks = lastButton && onButton && !m_ReleaseEndsDoubleClick;
    if (lastButton) {
        m_ReleaseEndsDoubleClick = false;
        if (m_Grabbed) {
            releaseMouse();
            m_Grabbed = false;
        }
    }
    QPointer<CommandButton> alive(this);
    Notify(notifications::MouseUp(MouseButtonsOf(event->button()), ShiftStateOf(event->modifiers()),
                                       static_cast<float>(at.x()), static_cast<float>(at.y())));
    if (clicks && alive)
        Notify(notifications::Click());
}

// Held keys repeat their key-down, as on the platform; X11's repeated releases are dropped so a
// held Space clicks once.
void CommandButton::keyPressEvent(QKeyEvent* event)
{
    const std::int16_t code = KeyCodeOf(*event);
    const std::int16_t ascii = KeyAsciiOf(event->text());
    QPointer<CommandButton> alive(this);
    if (code != 0)
        Notify(notifications::KeyDown(code, ShiftStateOf(event->modifiers())));
    if (ascii != 0 && alive)
        Notify(notifications::KeyPress(ascii));
}

void CommandButton::keyReleaseEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat())
        return;
    if (const std::int16_t code = KeyCodeOf(*event))
        Notify(notifications::KeyUp(code, ShiftStateOf(event->modifiers())));
}

// ---- carrying out the effects

void CommandButton::Notify(const ButtonNotification& notification) { Apply(Step(m_State, notification)); }

void CommandButton::Apply(ButtonStepResult result)
{
    m_State = std::move(result.state);
    const unsigned step = ++m_Steps;
    for (const ButtonEffect& effect : result.effects) {
        // A handler of this step's events may have run a step of its own (a setter, a focus
        // change): later drawings then show the fields as they are now, as the platform would.
        if (!Carry(effect, step == m_Steps))
            return;
    }
}

bool CommandButton::Carry(const ButtonEffect& effect, bool snapshotCurrent)
{
    QPointer<CommandButton> alive(this);
    std::visit(Overloaded{
                   [&](const effects::Draw& e) { Draw(snapshotCurrent ? e.fields : m_State.fields, e.request); },
                   [&](const effects::Refresh&) { repaint(); },
                   [&](const effects::EnableTimer&) { m_HoverTimer.SetEnabled(true); },
                   [&](const effects::DisableTimer&) { m_HoverTimer.SetEnabled(false); },
                   [&](const effects::Raise& e) { Raise(e.event); },
                   [&](const effects::SendTab&) { SendTab(true); },
                   [&](const effects::SendShiftTab&) { SendTab(false); },
                   [&](const effects::CaptureMouse&) {
                       if (isVisible()) {
                           grabMouse();
                           m_Grabbed = true;
                       }
                   },
                   [&](const effects::NotifyChanged& e) { emit propertyChanged(ToQString(e.property)); },
                   [&](const effects::SurfaceEnabled& e) { QWidget::setEnabled(e.enabled); },
                   [&](const effects::SurfaceFont& e) { QWidget::setFont(ToQFont(e.font)); },
                   [&](const effects::SurfaceForeColor&) {},  // drawn from the state
                   [&](const effects::AccessKeys& e) { SetAccessKeys(e.keys); },
               },
               effect);
    return !alive.isNull();
}

void CommandButton::Draw(const ButtonFields& fields, std::int16_t request)
{
    ButtonFields drawn = fields;
    if (m_Canvas.Width() != drawn.m_Width || m_Canvas.Height() != drawn.m_Height)
        m_Canvas.Resize(drawn.m_Width, drawn.m_Height);
    m_Text.SetScale(devicePixelRatioF());
    DrawButton(drawn, m_State.surface, m_Canvas, request);
    m_State.fields.m_Region = drawn.m_Region;
    m_State.fields.m_ScratchRegion = drawn.m_ScratchRegion;
    ++m_Redraws;
    TakeCanvasShape();
    update();
}

void CommandButton::Raise(const ButtonEventArgs& e)
{
    switch (e.event) {
    case ButtonEvent::Click: emit Click(); break;
    case ButtonEvent::MouseDown: emit MouseDown(e.button, e.shift, e.x, e.y); break;
    case ButtonEvent::MouseMove: emit MouseMove(e.button, e.shift, e.x, e.y); break;
    case ButtonEvent::MouseUp: emit MouseUp(e.button, e.shift, e.x, e.y); break;
    case ButtonEvent::KeyPress: emit KeyPress(e.keyAscii); break;
    case ButtonEvent::KeyDown: emit KeyDown(e.keyCode, e.shift); break;
    case ButtonEvent::KeyUp: emit KeyUp(e.keyCode, e.shift); break;
    case ButtonEvent::MouseOver: emit MouseOver(); break;
    case ButtonEvent::MouseOut: emit MouseOut(); break;
    }
}

// Queued like a typed Tab: the handlers of the key that asked for it finish first.
void CommandButton::SendTab(bool forward)
{
    QTimer::singleShot(0, this, [this, forward] { focusNextPrevChild(forward); });
}

void CommandButton::SetAccessKeys(const std::string& keys)
{
    const QString key = ToQString(keys).toUpper();
    if (key.isEmpty()) {
        delete m_AccessKey;
        m_AccessKey = nullptr;
        return;
    }
    if (m_AccessKey == nullptr) {
        m_AccessKey = new QShortcut(this);  // Alt with the key, anywhere in the button's window
        connect(m_AccessKey, &QShortcut::activated, this, [this] { Notify(notifications::AccessKeyPress()); });
    }
    m_AccessKey->setKey(QKeyCombination(Qt::AltModifier, static_cast<Qt::Key>(key.at(0).unicode())));
}

// The canvas's window region in the widget's own pixels: a pixel stays only when all of it lies
// inside, so the corners stay cut at any scale.
void CommandButton::TakeCanvasShape()
{
    QRegion shape;
    if (const PixelRegion* region = m_Canvas.WindowRegion()) {
        const double ratio = devicePixelRatioF();
        for (const CanvasRect& r : region->Rects()) {
            const int left = static_cast<int>(std::ceil(r.left / ratio));
            const int top = static_cast<int>(std::ceil(r.top / ratio));
            const int right = static_cast<int>(std::floor(r.right / ratio));
            const int bottom = static_cast<int>(std::floor(r.bottom / ratio));
            if (right > left && bottom > top)
                shape += QRect(left, top, right - left, bottom - top);
        }
    }
    if (shape == m_Shape)
        return;
    m_Shape = shape;
    if (shape.isEmpty())
        clearMask();
    else
        setMask(shape);
}

QPointF CommandButton::DevicePosition(const QPointF& position) const { return position * devicePixelRatioF(); }

}  // namespace pelmora::qt
