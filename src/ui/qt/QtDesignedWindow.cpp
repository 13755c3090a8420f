#include "QtDesignedWindow.h"

#include "QtControls.h"
#include "QtPictureBox.h"
#include "QtDesignStyle.h"
#include "designs/ControlLook.h"
#include "designs/Twips.h"
#include "platform/qt/QtPictures.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace pelmora::qt {

namespace {

using designs::BorderStyle;
using designs::ControlDesign;
using designs::ControlKind;
using designs::StartUpPosition;
using designs::TwipsToPixels;

bool HasMenus(const designs::WindowDesign& design)
{
    for (const ControlDesign& control : design.controls)
        if (control.kind == ControlKind::Menu)
            return true;
    return false;
}

}  // namespace

ClientArea::ClientArea(const designs::WindowDesign& design, QWidget* parent)
    : QWidget(parent),
      m_Back(design.backColor ? ToQColor(*design.backColor) : palette().color(QPalette::Window)),
      m_Picture(DesignImage(design.picture)),
      m_Tiled(design.pictureTiled)
{
    setFixedSize(TwipsToPixels(design.clientSize.width), TwipsToPixels(design.clientSize.height));
    if (design.font)
        setFont(ToQFont(*design.font));
}

void ClientArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_Back);
    if (m_Picture.isNull())
        return;
    if (m_Tiled)
        painter.drawTiledPixmap(rect(), QPixmap::fromImage(m_Picture));
    else
        painter.drawImage(0, 0, m_Picture);
}

DesignedWindow::DesignedWindow(const designs::WindowDesign& design) : m_Design(design)
{
    setObjectName(ToQString(m_Design.name));
    setWindowTitle(ToQString(m_Design.caption));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    if (HasMenus(m_Design)) {
        auto* bar = new QMenuBar(this);
        BuildMenus(*bar);
        layout->setMenuBar(bar);
    }
    m_Client = new ClientArea(m_Design, this);
    layout->addWidget(m_Client);
    BuildControls();
    ApplyWindowKind();
}

void DesignedWindow::BuildMenus(QMenuBar& bar)
{
    for (const ControlDesign& control : m_Design.controls) {
        if (control.kind != ControlKind::Menu)
            continue;
        QMenu* menu = bar.addMenu(ToQString(control.text));
        menu->setObjectName(ToQString(control.name));
        for (const ControlDesign& item : control.children) {
            QAction* action = menu->addAction(ToQString(item.text));
            action->setObjectName(ToQString(item.name));
            action->setVisible(item.visible);
            if (!item.shortcut.empty()) {
                action->setShortcut(QKeySequence(ToQString(item.shortcut), QKeySequence::PortableText));
                action->setShortcutContext(Qt::WindowShortcut);
                addAction(action);  // the window itself carries the shortcut, menu closed or not
            }
            QString name = ToQString(item.name);
            connect(action, &QAction::triggered, this, [this, name] { emit CommandRequested(name); });
            m_MenuItems.emplace(item.name, action);
        }
    }
}

void DesignedWindow::BuildControls()
{
    for (const ControlDesign& control : m_Design.controls) {
        if (control.kind == ControlKind::Menu)
            continue;
        if (designs::HeldWithoutWindow(control)) {
            if (control.kind == ControlKind::Label || control.kind == ControlKind::TextBox)
                m_HeldTexts.emplace(control.name, control.text);
            continue;
        }
        QString name = ToQString(control.name);
        QWidget* widget = MakeControl(control, m_Design, m_Client, [this, name] { emit CommandRequested(name); });
        if (qobject_cast<QLineEdit*>(widget) != nullptr)
            widget->installEventFilter(this);
        m_Controls.emplace(control.name, widget);
    }
}

void DesignedWindow::ApplyWindowKind()
{
    Qt::WindowFlags flags = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowCloseButtonHint;
    if (!m_Design.showInTaskbar)
        flags |= Qt::Tool;  // kept off the taskbar
    else if (m_Design.borderStyle == BorderStyle::FixedDialog)
        flags |= Qt::Dialog;
    else
        flags |= Qt::Window;
    if (m_Design.borderStyle == BorderStyle::Sizable)
        flags |= Qt::WindowMinMaxButtonsHint;
    setWindowFlags(flags);
    // Every window of the program counts when Qt decides whether the last one has closed,
    // also the ones kept off the taskbar.
    setAttribute(Qt::WA_QuitOnClose, true);
}

bool DesignedWindow::IsMenuShortcut(const QKeyEvent& key) const
{
    QKeySequence pressed(key.keyCombination());
    for (const auto& [name, action] : m_MenuItems)
        if (!action->shortcut().isEmpty() && action->shortcut() == pressed)
            return true;
    return false;
}

bool DesignedWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A text box would take Ctrl+A, Ctrl+E and the like for its own editing; the window's
    // menu shortcuts go first, as they work from anywhere in the window.
    if (event->type() == QEvent::ShortcutOverride && IsMenuShortcut(*static_cast<QKeyEvent*>(event)))
        return true;
    return QWidget::eventFilter(watched, event);
}

QWidget* DesignedWindow::Control(std::string_view name) const
{
    auto found = m_Controls.find(name);
    return found != m_Controls.end() ? found->second : nullptr;
}

QAction* DesignedWindow::MenuItem(std::string_view name) const
{
    auto found = m_MenuItems.find(name);
    return found != m_MenuItems.end() ? found->second : nullptr;
}

std::string DesignedWindow::Text(std::string_view control) const
{
    if (auto held = m_HeldTexts.find(control); held != m_HeldTexts.end())
        return held->second;
    QWidget* widget = Control(control);
    if (auto* box = qobject_cast<QLineEdit*>(widget))
        return box->text().toStdString();
    if (auto* label = qobject_cast<QLabel*>(widget))
        return label->text().toStdString();
    return {};
}

void DesignedWindow::SetText(std::string_view control, const std::string& text)
{
    if (auto held = m_HeldTexts.find(control); held != m_HeldTexts.end()) {
        held->second = text;
        return;
    }
    QWidget* widget = Control(control);
    if (auto* box = qobject_cast<QLineEdit*>(widget)) {
        box->setText(QString::fromStdString(text));
        box->setCursorPosition(0);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(QString::fromStdString(text));
        const ControlDesign* design = m_Design.Find(control);
        if (design != nullptr && design->autoSize)
            label->adjustSize();
    }
}

void DesignedWindow::SetPicture(std::string_view control, std::shared_ptr<const Picture> picture)
{
    if (auto* holder = dynamic_cast<PictureBox*>(Control(control)))
        holder->SetImage(ImageOf(picture.get()));
}

void DesignedWindow::Unload() { close(); }

void DesignedWindow::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        m_Closed = true;
}

void DesignedWindow::Discard()
{
    m_Closed = true;
    hide();
    deleteLater();
}

void DesignedWindow::ShowPlaced()
{
    if (isVisible()) {
        if (isMinimized())
            showNormal();
        raise();
        activateWindow();
        return;
    }
    adjustSize();
    if (m_Design.startUp == StartUpPosition::Manual)
        move(TwipsToPixels(m_Design.position.x), TwipsToPixels(m_Design.position.y));
    else if (m_Design.startUp == StartUpPosition::Centred)
        MoveToScreenCentre(size());
    show();
    // Centred again with its frame, where the frame is known once the window is shown.
    if (m_Design.startUp == StartUpPosition::Centred && frameGeometry().size() != size())
        MoveToScreenCentre(frameGeometry().size());
    activateWindow();
}

void DesignedWindow::MoveToScreenCentre(const QSize& outerSize)
{
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, outerSize, screen->availableGeometry()).topLeft());
}

}  // namespace pelmora::qt
