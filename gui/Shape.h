#pragma once

#include "gui/Color.h"
#include "gui/GraphicControl.h"
#include "gui/ShapeType.h"

namespace gui {

// A frame, line or filled figure with a one-pixel pen.
class Shape : public GraphicControl {
    Q_OBJECT

public:
    Shape(QWidget* client, const QString& name);

    ControlKind kind() const override { return ControlKind::Shape; }

    ShapeType shape() const { return shape_; }
    void setShape(ShapeType shape);
    Color penColor() const { return pen_; }
    void setPenColor(Color color);
    Color brushColor() const { return brush_; }
    void setBrushColor(Color color);
    bool brushClear() const { return brushClear_; }
    void setBrushClear(bool clear);

    void paint(QPainter& painter) const override;

private:
    ShapeType shape_ = ShapeType::Rectangle;
    Color pen_ = clBlack;
    Color brush_ = clWhite;
    bool brushClear_ = false;
};

} // namespace gui
