#include "QtControls.h"

#include "QtCommandButton.h"
#include "QtDesignStyle.h"
#include "QtPictureBox.h"
#include "designs/ButtonDesign.h"
#include "designs/Twips.h"

#include <QLabel>
#include <QLineEdit>

#include <limits>

namespace pelmora::qt {

namespace {

using designs::Alignment;
using designs::ControlDesign;
using designs::ControlKind;
using designs::TwipsToPixels;

Qt::Alignment HorizontalAlignment(const ControlDesign& design)
{
    switch (design.alignment.value_or(Alignment::Left)) {
    case Alignment::Right: return Qt::AlignRight;
    case Alignment::Center: return Qt::AlignHCenter;
    case Alignment::Left: break;
    }
    return Qt::AlignLeft;
}

void ApplyCommonLook(QWidget& widget, const ControlDesign& design, const designs::WindowDesign& window,
                     QPalette::ColorRole textRole, QPalette::ColorRole backRole)
{
    widget.setObjectName(ToQString(design.name));
    if (design.font)
        widget.setFont(ToQFont(*design.font));
    else if (window.font)
        widget.setFont(ToQFont(*window.font));
    QPalette palette = widget.palette();
    if (design.foreColor)
        palette.setColor(textRole, ToQColor(*design.foreColor));
    if (design.backColor)
        palette.setColor(backRole, ToQColor(*design.backColor));
    widget.setPalette(palette);
    if (design.mousePointer == "Hand")
        widget.setCursor(Qt::PointingHandCursor);
    PlaceControl(widget, design);
    widget.setVisible(design.visible);
}

QWidget* MakeLabel(const ControlDesign& design, const designs::WindowDesign& window, QWidget* parent)
{
    auto* label = new QLabel(ToQString(design.text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(HorizontalAlignment(design) | Qt::AlignTop);
    label->setWordWrap(!design.autoSize);
    label->setAutoFillBackground(design.backColor.has_value());
    ApplyCommonLook(*label, design, window, QPalette::WindowText, QPalette::Window);
    if (design.autoSize)
        label->adjustSize();
    return label;
}

QWidget* MakeTextBox(const ControlDesign& design, const designs::WindowDesign& window, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    // Qt's own limit (32,767) would cut a longer stored value, which Apply would then store cut.
    box->setMaxLength(std::numeric_limits<int>::max());
    box->setText(ToQString(design.text));
    box->setAlignment(HorizontalAlignment(design) | Qt::AlignVCenter);
    box->setFrame(design.borderStyle.value_or(designs::BorderStyle::FixedSingle) != designs::BorderStyle::None);
    box->setTextMargins(1, 0, 1, 0);
    ApplyCommonLook(*box, design, window, QPalette::Text, QPalette::Base);
    return box;
}

QWidget* MakePicture(const ControlDesign& design, const designs::WindowDesign& window, QWidget* parent)
{
    auto* picture = new PictureBox(design, parent);
    ApplyCommonLook(*picture, design, window, QPalette::WindowText, QPalette::Window);
    if (!design.picture.empty())
        picture->SetImage(DesignImage(design.picture));
    return picture;
}

}  // namespace

void PlaceControl(QWidget& widget, const ControlDesign& design)
{
    if (design.position)
        widget.move(TwipsToPixels(design.position->x), TwipsToPixels(design.position->y));
    if (design.size)
        widget.resize(TwipsToPixels(design.size->width), TwipsToPixels(design.size->height));
}

CommandButton* MakeCommandButton(const ControlDesign& design, const designs::WindowDesign& window, QWidget* parent,
                                 const std::function<void()>& onClick)
{
    auto* button = new CommandButton(designs::AmbientOf(design, window), parent);
    button->Host().ReadEntries(design.properties);
    PlaceControl(*button, design);
    button->setVisible(design.visible);
    QObject::connect(button, &CommandButton::Click, button, [onClick] {
        if (onClick)
            onClick();
    });
    return button;
}

QWidget* MakeControl(const ControlDesign& design, const designs::WindowDesign& window, QWidget* parent,
                     const std::function<void()>& onClick)
{
    switch (design.kind) {
    case ControlKind::Label: return MakeLabel(design, window, parent);
    case ControlKind::TextBox: return MakeTextBox(design, window, parent);
    case ControlKind::PictureBox:
    case ControlKind::Image: return MakePicture(design, window, parent);
    case ControlKind::CommandButton: return MakeCommandButton(design, window, parent, onClick);
    case ControlKind::Menu:
    case ControlKind::MenuItem: break;
    }
    return nullptr;
}

}  // namespace pelmora::qt
