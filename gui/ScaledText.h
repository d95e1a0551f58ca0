#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QSizeF>
#include <QString>

class QPainter;

namespace gui {

// One line of text in a font drawn at an exact scale: the glyphs and advances of the font,
// multiplied. Unlike a font of the nearest whole size, the text keeps its proportions.
struct ScaledText {
    QString text;
    QFont font;
    qreal scale = 1;

    // Advance width and line height.
    QSizeF size() const;
    qreal ascent() const;
    // Draws the line with the top-left corner of its line box at the point.
    void draw(QPainter& painter, const QPointF& topLeft, const QColor& color) const;
};

} // namespace gui
