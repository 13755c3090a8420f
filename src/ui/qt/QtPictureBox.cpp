#include "QtPictureBox.h"

#include "QtDesignStyle.h"
#include "designs/ControlLook.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

namespace pelmora::qt {

using designs::ControlDesign;

PictureBox::PictureBox(const ControlDesign& design, QWidget* parent)
    : QWidget(parent),
      m_Sunken(designs::Sunken(design)),
      m_Opaque(designs::Opaque(design)),
      m_Back(design.backColor ? ToQColor(*design.backColor) : palette().color(QPalette::Window))
{
}

void PictureBox::SetImage(QImage image)
{
    m_Image = std::move(image);
    update();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QRect inside = rect();
    if (m_Opaque)
        painter.fillRect(inside, m_Back);
    if (m_Sunken) {
        QStyleOptionFrame frame;
        frame.initFrom(this);
        frame.rect = inside;
        frame.lineWidth = 2;
        frame.midLineWidth = 0;
        frame.state |= QStyle::State_Sunken;
        frame.frameShape = QFrame::StyledPanel;
        style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);
        inside.adjust(2, 2, -2, -2);
    }
    if (!m_Image.isNull()) {
        painter.setClipRect(inside);
        painter.drawImage(inside.topLeft(), m_Image);
    }
}

}  // namespace pelmora::qt
