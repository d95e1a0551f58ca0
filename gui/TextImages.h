#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QString>

namespace gui {

// Text in large fonts, drawn once into an image and kept for later paints. Qt draws glyphs
// larger than its glyph cache as outlines on every paint, which makes full-screen texts slow;
// an image of the whole text is drawn instead.
struct TextImage {
    QImage image;
    QPoint offset;  // where the image's top-left lies from the text's top-left corner
    QSize textSize; // the text's advance and line height, as a label of it would be
};

// Whether text in this font is drawn through an image.
bool drawsThroughImage(const QFont& font, qreal devicePixelRatio);

const TextImage& textImage(const QString& text, const QFont& font, const QColor& color,
                           qreal devicePixelRatio);

} // namespace gui
