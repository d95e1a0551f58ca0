#include "gui/TextImages.h"

#include <QCache>
#include <QFontMetrics>
#include <QPainter>

namespace gui {
namespace {

// Qt keeps glyphs up to this pixel size in its own cache.
constexpr qreal LargestCachedGlyph = 64;

} // namespace

bool drawsThroughImage(const QFont& font, qreal devicePixelRatio)
{
    return font.pixelSize() * devicePixelRatio > LargestCachedGlyph;
}

const TextImage& textImage(const QString& text, const QFont& font, const QColor& color,
                           qreal devicePixelRatio)
{
    // The cost of an entry is its size in kilobytes; 64 MiB in all.
    static QCache<QString, TextImage> images(64 * 1024);
    const QString key = text + QChar(0x1F) + font.key() + QChar(0x1F) +
                        color.name(QColor::HexArgb) + QChar(0x1F) +
                        QString::number(devicePixelRatio);
    if (const TextImage* cached = images.object(key))
        return *cached;

    const QFontMetrics metrics(font);
    // The ink can reach beyond the advance, as italic letters do.
    const QRect ink = metrics.boundingRect(text).translated(0, metrics.ascent());
    const QRect area = ink.united(QRect(0, 0, metrics.horizontalAdvance(text), metrics.height()))
                           .adjusted(-2, -2, 2, 2);
    auto* entry = new TextImage;
    entry->offset = area.topLeft();
    entry->textSize = QSize(metrics.horizontalAdvance(text), metrics.height());
    entry->image = QImage((QSizeF(area.size()) * devicePixelRatio).toSize(),
                          QImage::Format_ARGB32_Premultiplied);
    entry->image.setDevicePixelRatio(devicePixelRatio);
    entry->image.fill(Qt::transparent);
    QPainter painter(&entry->image);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(QPoint(-area.left(), metrics.ascent() - area.top()), text);
    painter.end();
    const int cost = std::max<qsizetype>(1, entry->image.sizeInBytes() / 1024);
    images.insert(key, entry, cost);
    return *images.object(key);
}

} // namespace gui
