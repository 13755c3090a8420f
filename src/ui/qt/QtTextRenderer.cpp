#include "QtTextRenderer.h"

#include "QtDesignStyle.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <climits>
#include <cmath>

namespace pelmora::qt {

int QtTextFlags(unsigned flags)
{
    int qtFlags = Qt::AlignTop | Qt::TextShowMnemonic;
    qtFlags |= (flags & TextFlag::kCenter) != 0 ? Qt::AlignHCenter : Qt::AlignLeft;
    if ((flags & TextFlag::kWordBreak) != 0)
        qtFlags |= Qt::TextWordWrap;
    return qtFlags;
}

void QtTextRenderer::SetScale(double scale) { m_Scale = scale > 0 ? scale : 1.0; }

const QFont& QtTextRenderer::FontOf(const ButtonFont& font)
{
    if (m_ScaleOf)
        SetScale(m_ScaleOf());
    if (m_FontFor == font && m_FontScale == m_Scale)
        return m_Font;
    m_Font = ToQFont(font);
    // Whole pixels, as the platform sizes its fonts.
    m_Font.setPixelSize(std::max(1, static_cast<int>(std::lround(font.size * 96.0 / 72.0 * m_Scale))));
    m_FontFor = font;
    m_FontScale = m_Scale;
    return m_Font;
}

TextExtent QtTextRenderer::Measure(std::string_view text, int width, unsigned flags, const ButtonFont& font)
{
    const QFontMetrics metrics(FontOf(font));
    const QRect bounds =
        metrics.boundingRect(QRect(0, 0, std::max(width, 0), INT_MAX / 4), QtTextFlags(flags), ToQString(text));
    return {bounds.width(), bounds.height()};
}

void QtTextRenderer::Draw(const PixelView& target, std::string_view text, const CanvasRect& rect,
                          const CanvasRect& clip, unsigned flags, std::uint32_t pixel, const ButtonFont& font)
{
    // The canvas's pixels are 0xFFRRGGBB, the layout of an RGB32 image: no copy is made.
    QImage image(reinterpret_cast<uchar*>(target.pixels), target.width, target.height,
                 static_cast<qsizetype>(target.stride) * 4, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setClipRect(QRect(clip.left, clip.top, clip.right - clip.left, clip.bottom - clip.top));
    painter.setFont(FontOf(font));
    painter.setPen(QColor::fromRgb(pixel));
    painter.drawText(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top), QtTextFlags(flags),
                     ToQString(text));
}

}  // namespace pelmora::qt
