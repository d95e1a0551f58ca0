#pragma once

#include "gui/Color.h"

#include <QPointer>
#include <QWidget>
#include <vector>

namespace gui {

class GraphicControl;

// The client area of a form: it paints the background and the graphic controls in layout order,
// and routes clicks and the mouse cursor to the topmost visible graphic control under the mouse
// that is no mark.
class ClientArea : public QWidget {
    Q_OBJECT

public:
    explicit ClientArea(QWidget* form);

    Color background() const { return background_; }
    void setBackground(Color color);
    // Adds a graphic control over those added before it.
    void addGraphic(GraphicControl* control);
    // The graphic control that a click at the point reaches, if any.
    GraphicControl* graphicAt(const QPoint& point) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Color background_ = clWhite;
    std::vector<GraphicControl*> graphics_;
    QPointer<GraphicControl> pressed_;
};

} // namespace gui
