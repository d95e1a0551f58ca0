#include "gui/Shape.h"

#include <QPainter>
#include <algorithm>

namespace gui {

Shape::Shape(QWidget* client, const QString& name)
    : GraphicControl(client, name)
{
}

void Shape::setShape(ShapeType shape)
{
    shape_ = shape;
    repaint();
}

void Shape::setPenColor(Color color)
{
    pen_ = color;
    repaint();
}

void Shape::setBrushColor(Color color)
{
    brush_ = color;
    brushClear_ = false;
    repaint();
}

void Shape::setBrushClear(bool clear)
{
    brushClear_ = clear;
    repaint();
}

void Shape::paint(QPainter& painter) const
{
    if (rect_.width() <= 0 || rect_.height() <= 0)
        return;
    // The outline runs along the inner edge of the bounds, so a shape one pixel high is a line.
    QRect figure(rect_.left(), rect_.top(), rect_.width() - 1, rect_.height() - 1);
    if (shape_ == ShapeType::Square || shape_ == ShapeType::RoundSquare ||
        shape_ == ShapeType::Circle) {
        const int side = std::min(figure.width(), figure.height());
        figure = QRect(figure.left() + (figure.width() - side) / 2,
                       figure.top() + (figure.height() - side) / 2, side, side);
    }
    QPen pen(pen_.toQColor());
    pen.setWidth(1);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(brushClear_ ? QBrush(Qt::NoBrush) : QBrush(brush_.toQColor()));
    painter.setRenderHint(QPainter::Antialiasing,
                          shape_ == ShapeType::Ellipse || shape_ == ShapeType::Circle);
    switch (shape_) {
    case ShapeType::Rectangle:
    case ShapeType::Square:
        painter.drawRect(figure);
        break;
    case ShapeType::RoundRect:
    case ShapeType::RoundSquare: {
        const int radius = std::min(figure.width(), figure.height()) / 4;
        painter.drawRoundedRect(figure, radius, radius);
        break;
    }
    case ShapeType::Ellipse:
    case ShapeType::Circle:
        painter.drawEllipse(figure);
        break;
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

} // namespace gui
