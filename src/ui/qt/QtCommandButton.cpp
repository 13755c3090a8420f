#include "QtCommandButton.h"

#include "QtButtonInput.h"
#include "QtDesignStyle.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QTimer>

namespace pelmora::qt {

CommandButton::CommandButton(ButtonAmbient ambient, QWidget* parent)
    : QWidget(parent),
      m_Text([this] { return devicePixelRatioF(); }),
      m_Canvas(m_Text, [this](int index) { return ResolveButtonSystemColour(palette(), index); }),
      m_HoverTimer(kHoverTimerIntervalMs),
      m_Host(*this, m_Canvas, std::move(ambient))
{
    setObjectName(ToQString(m_Host.Ambient().displayName));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);                 // moves without a button held reach the button
    setAttribute(Qt::WA_OpaquePaintEvent);  // the image covers every pixel inside the mask
    connect(&m_HoverTimer, &TimerElement::Timer, this, [this] { m_Host.HoverTimerTicked(); });
}

CommandButton::~CommandButton() { ReleaseMouse(); }

// Asking the window system (QCursor::pos and widgetAt) costs X11 three round trips, several times
// what the timer's wake-up itself costs. Qt already tracks the widget under the pointer from the
// window system's crossing events, masks and windows on top included, so a tick only reads that;
// only while a mouse button is held, when Qt holds those events back until the release, is the
// window system asked.
bool CommandButton::IsPointerOver() const
{
    if (QGuiApplication::mouseButtons() != Qt::NoButton || m_Grabbed)
        return QApplication::widgetAt(QCursor::pos()) == this;
    return underMouse();
}

QImage CommandButton::CanvasView() const
{
    QImage view(reinterpret_cast<const uchar*>(m_Canvas.Pixels()), m_Canvas.Width(), m_Canvas.Height(),
                static_cast<qsizetype>(m_Canvas.Width()) * 4, QImage::Format_RGB32);
    view.setDevicePixelRatio(devicePixelRatioF());
    return view;
}

QImage CommandButton::Image() const { return CanvasView().copy(); }

// ---- Qt's events

void CommandButton::paintEvent(QPaintEvent*)
{
    if (m_Canvas.Width() != 0 && m_Canvas.Height() != 0)
        QPainter(this).drawImage(QPoint(0, 0), CanvasView());
}

void CommandButton::resizeEvent(QResizeEvent*) { m_Host.Resized(width(), height()); }

void CommandButton::showEvent(QShowEvent*) { m_Host.Shown(); }

// Qt ends underMouse() with a leave event: the pointer moved off or into a cut corner, a window
// came up on top, a modal window blocked this one, the button was hidden. While the pointer
// rests, nothing else changes what the hover timer would find.
void CommandButton::leaveEvent(QEvent*) { m_Host.PointerMayHaveLeft(); }

void CommandButton::hideEvent(QHideEvent*) { m_Host.PointerMayHaveLeft(); }

// A popup menu opening or closing leaves the focus where it was, but the popup takes the keys.
void CommandButton::focusInEvent(QFocusEvent* event)
{
    if (event->reason() != Qt::PopupFocusReason)
        m_Host.FocusChanged(true);
}

void CommandButton::focusOutEvent(QFocusEvent* event)
{
    if (event->reason() != Qt::PopupFocusReason)
        m_Host.FocusChanged(false);
    else
        m_Host.InputTaken();
}

// Another window took the input (a box, another program): a key held now goes down there.
void CommandButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        m_Host.InputTaken();
    QWidget::changeEvent(event);
}

void CommandButton::mousePressEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    m_Host.MouseDown(MouseButtonsOf(event->button()), ShiftStateOf(event->modifiers()), at.x(), at.y());
}

void CommandButton::mouseDoubleClickEvent(QMouseEvent*) { m_Host.DoubleClick(); }

void CommandButton::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    m_Host.MouseMove(MouseButtonsOf(event->buttons()), ShiftStateOf(event->modifiers()), at.x(), at.y());
}

void CommandButton::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF at = event->position();
    m_Host.MouseUp(MouseButtonsOf(event->button()), ShiftStateOf(event->modifiers()), at.x(), at.y(),
                   event->buttons() == Qt::NoButton);
}

void CommandButton::keyPressEvent(QKeyEvent* event)
{
    m_Host.KeyDown(KeyCodeOf(*event), ShiftStateOf(event->modifiers()), KeyAsciiOf(event->text()));
}

// Held keys repeat their key-down, as on the platform; X11's repeated releases are dropped so a
// held Space clicks once.
void CommandButton::keyReleaseEvent(QKeyEvent* event)
{
    if (!event->isAutoRepeat())
        m_Host.KeyUp(KeyCodeOf(*event), ShiftStateOf(event->modifiers()));
}

// ---- the surface

void CommandButton::SetShape(const std::vector<CanvasRect>& shape)
{
    QRegion mask;
    for (const CanvasRect& r : shape)
        mask += QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
    if (mask.isEmpty())
        clearMask();
    else
        setMask(mask);
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
void CommandButton::MoveFocus(bool forward)
{
    QTimer::singleShot(0, this, [this, forward] { focusNextPrevChild(forward); });
}

void CommandButton::CaptureMouse()
{
    if (isVisible()) {
        grabMouse();
        m_Grabbed = true;
    }
}

void CommandButton::ReleaseMouse()
{
    if (m_Grabbed) {
        releaseMouse();
        m_Grabbed = false;
    }
}

void CommandButton::PropertyChanged(const std::string& name) { emit propertyChanged(ToQString(name)); }

void CommandButton::SetFont(const ButtonFont& font) { QWidget::setFont(ToQFont(font)); }

void CommandButton::SetAccessKey(const std::string& keys)
{
    const QString key = ToQString(keys).toUpper();
    if (key.isEmpty()) {
        delete m_AccessKey;
        m_AccessKey = nullptr;
        return;
    }
    if (m_AccessKey == nullptr) {
        m_AccessKey = new QShortcut(this);  // Alt with the key, anywhere in the button's window
        connect(m_AccessKey, &QShortcut::activated, this, [this] { m_Host.AccessKeyPressed(); });
    }
    m_AccessKey->setKey(QKeyCombination(Qt::AltModifier, static_cast<Qt::Key>(key.at(0).unicode())));
}

}  // namespace pelmora::qt
