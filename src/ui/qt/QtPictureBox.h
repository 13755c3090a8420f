#pragma once

#include "designs/WindowDesign.h"

#include <QImage>
#include <QWidget>

namespace pelmora::qt {

// A picture box or image: shows its picture at its own size from the top-left corner,
// clipped, never scaled.
class PictureBox final : public QWidget {
public:
    PictureBox(const designs::ControlDesign& design, QWidget* parent);

    void SetImage(QImage image);
    const QImage& Image() const { return m_Image; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_Image;
    bool m_Sunken = false;
    bool m_Opaque = false;
    QColor m_Back;
};

}  // namespace pelmora::qt
