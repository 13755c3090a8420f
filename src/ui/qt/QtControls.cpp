#include "QtControls.h"

#include "QtCommandButton.h"
#include "QtDesignStyle.h"
#include "QtPictureBox.h"
#include "designs/ButtonDesign.h"
#include "designs/ControlLook.h"
#include "designs/Twips.h"

#include <QLabel>
#include <QLineEdit>

#include <limits>

namespace pelmora::qt {

namespace {

using designs::ControlDesign;
using designs::TwipsToPixels;

Qt::Alignment HorizontalAlignment(const ControlDesign& design)
{
    return designs::AlignmentOf(design, Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight);
}

void ApplyCommonLook(QWidget& widget, const ControlDesign& design, const designs::WindowDesign& window,
                     QPalette::ColorRole textRole, QPalette::ColorRole backRole)
{
    widget.setObjectName(ToQString(design.name));
    widget.setFont(ToQFont(designs::FontOf(design, window)));
    QPalette palette = widget.palette();
    if (design.foreColor)
        palette.setColor(textRole, ToQColor(*design.foreColor));
    if (design.backColor)
        palette.setColor(backRole, ToQColor(*design.backColor));
    widget.setPalette(palette);
    if (designs::WantsHandPointer(design))
        widget.setCursor(Qt::PointingHandCursor);
    PlaceControl(widget, design);
    widget.setVisible(design.visible);
}

QWidget* MakeLabel(const ControlDesign& design, const designs::WindowDesign& window, QWidget* parent)
{
    auto* label = new QLabel(ToQString(design.text), parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(HorizontalAlignment(design) | Qt::AlignTop);
    label->setWordWrap(designs::WrapsWords(design));
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
    box->setFrame(designs::Framed(design));
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
    struct Maker {
        const ControlDesign& design;
        const designs::WindowDesign& window;
        QWidget* parent;
        const std::function<void()>& onClick;
        QWidget* Label() const { return MakeLabel(design, window, parent); }
        QWidget* TextBox() const { return MakeTextBox(design, window, parent); }
        QWidget* Picture() const { return MakePicture(design, window, parent); }
        QWidget* Button() const { return MakeCommandButton(design, window, parent, onClick); }
    } maker{design, window, parent, onClick};
    return designs::MakeByKind<QWidget*>(design, maker);
}

}  // namespace pelmora::qt
