#include "gui/Glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace gui {
namespace {

void drawCheckMark(QPainter& p)
{
    p.setPen(QPen(QColor(0, 128, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({{3, 10}, {7, 14}, {15, 4}}));
}

void drawCross(QPainter& p)
{
    p.setPen(QPen(QColor(200, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 4), QPointF(14, 14));
    p.drawLine(QPointF(14, 4), QPointF(4, 14));
}

void drawWalkingFigure(QPainter& p)
{
    const QColor green(0, 128, 0);
    p.setPen(Qt::NoPen);
    p.setBrush(green);
    p.drawEllipse(QPointF(10, 3), 2, 2);
    p.setPen(QPen(green, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(9.5, 6), QPointF(8, 11));              // body
    p.drawPolyline(QPolygonF({{5, 9}, {8, 7}, {12, 9}}));     // arms
    p.drawPolyline(QPolygonF({{8, 11}, {5, 16}}));            // back leg
    p.drawPolyline(QPolygonF({{8, 11}, {11, 13}, {12, 16}})); // front leg
}

void drawOpenDoor(QPainter& p)
{
    p.setPen(QPen(QColor(90, 60, 20), 1));
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(QRectF(4.5, 2.5, 10, 13)); // frame
    QPainterPath door;
    door.moveTo(4.5, 2.5);
    door.lineTo(10.5, 4.5);
    door.lineTo(10.5, 17.5);
    door.lineTo(4.5, 15.5);
    door.closeSubpath();
    p.setBrush(QColor(170, 110, 40));
    p.drawPath(door);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 220, 0));
    p.drawEllipse(QPointF(9, 10), 0.9, 0.9);
}

} // namespace

QIcon buttonGlyph(ButtonKind kind)
{
    QPixmap pixmap(18, 18);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (kind) {
    case ButtonKind::OK:
        drawCheckMark(painter);
        break;
    case ButtonKind::Cancel:
        drawCross(painter);
        break;
    case ButtonKind::Ignore:
        drawWalkingFigure(painter);
        break;
    case ButtonKind::Close:
        drawOpenDoor(painter);
        break;
    }
    return QIcon(pixmap);
}

} // namespace gui
