#pragma once

#include <QPointer>
#include <QWidget>

namespace gui {

class Form;
class GraphicControl;

// The client area of a form: it paints the background and the graphic controls in layout order,
// and routes clicks and the mouse cursor to the topmost graphic control under the mouse.
class ClientArea : public QWidget {
public:
    explicit ClientArea(Form& form);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Form& form_;
    QPointer<GraphicControl> pressed_;
};

} // namespace gui
