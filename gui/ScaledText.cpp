#include "gui/ScaledText.h"

#include <QCache>
#include <QFontMetricsF>
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <cmath>

namespace gui {
namespace {

// Qt keeps glyphs up to this pixel size in its own cache and draws larger ones as outlines on
// every paint, which makes full-screen texts slow: those are drawn once into an image instead.
constexpr qreal LargestCachedGlyph = 64;

struct TextImage {
    QImage image;
    QPointF offset; // where the image's top-left lies from the line box's top-left
};

void drawLine(QPainter& painter, const ScaledText& line, const QPointF& topLeft,
              const QColor& color)
{
    painter.save();
    painter.translate(topLeft);
    painter.scale(line.scale, line.scale);
    painter.setFont(line.font);
    painter.setPen(color);
    painter.drawText(QPointF(0, QFontMetricsF(line.font).ascent()), line.text);
    painter.restore();
}

TextImage renderImage(const ScaledText& line, const QColor& color, qreal ratio)
{
    const QFontMetricsF metrics(line.font);
    // The ink can reach beyond the advance, as italic letters do.
    const QRectF ink = metrics.boundingRect(line.text).translated(0, metrics.ascent());
    const QRectF box(0, 0, metrics.horizontalAdvance(line.text), metrics.height());
    const QRectF area =
        QRectF(ink.united(box).topLeft() * line.scale, ink.united(box).bottomRight() * line.scale)
            .adjusted(-2, -2, 2, 2);
    const QRect pixels = area.toAlignedRect();
    TextImage drawn{
        QImage((QSizeF(pixels.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied),
        pixels.topLeft()};
    drawn.image.setDevicePixelRatio(ratio);
    drawn.image.fill(Qt::transparent);
    QPainter painter(&drawn.image);
    drawLine(painter, line, -QPointF(pixels.topLeft()), color);
    return drawn;
}

} // namespace

QSizeF ScaledText::size() const
{
    const QFontMetricsF metrics(font);
    return QSizeF(metrics.horizontalAdvance(text), metrics.height()) * scale;
}

qreal ScaledText::ascent() const
{
    return QFontMetricsF(font).ascent() * scale;
}

void ScaledText::draw(QPainter& painter, const QPointF& topLeft, const QColor& color) const
{
    const qreal ratio = painter.device()->devicePixelRatioF();
    if (font.pixelSize() * scale * ratio <= LargestCachedGlyph) {
        drawLine(painter, *this, topLeft, color);
        return;
    }
    // The cost of an entry is its size in kilobytes; 64 MiB in all.
    static QCache<QString, TextImage> images(64 * 1024);
    const QString key = text + QChar(0x1F) + font.key() + QChar(0x1F) +
                        color.name(QColor::HexArgb) + QChar(0x1F) + QString::number(scale) +
                        QChar(0x1F) + QString::number(ratio);
    TextImage drawn;
    if (const TextImage* cached = images.object(key)) {
        drawn = *cached;
    } else {
        drawn = renderImage(*this, color, ratio);
        const qsizetype cost = std::max<qsizetype>(1, drawn.image.sizeInBytes() / 1024);
        // A text too large for the cache is drawn without keeping it.
        if (cost <= images.maxCost())
            images.insert(key, new TextImage(drawn), cost);
    }
    painter.drawImage((topLeft + drawn.offset).toPoint(), drawn.image);
}

} // namespace gui
