#include "gui/ClientArea.h"

#include "gui/Form.h"

#include <QMouseEvent>
#include <QPainter>

namespace gui {

ClientArea::ClientArea(Form& form)
    : QWidget(&form)
    , form_(form)
{
    setObjectName("client");
    setMouseTracking(true);
}

void ClientArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), form_.color().toQColor());
    for (Control* control : form_.controls()) {
        auto* graphic = dynamic_cast<GraphicControl*>(control);
        if (graphic && graphic->isShown())
            graphic->paint(painter);
    }
}

void ClientArea::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pressed_ = form_.graphicControlAt(event->position().toPoint());
}

void ClientArea::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !pressed_)
        return;
    GraphicControl* released = form_.graphicControlAt(event->position().toPoint());
    GraphicControl* pressed = pressed_;
    pressed_ = nullptr;
    if (released == pressed)
        pressed->click();
}

void ClientArea::mouseMoveEvent(QMouseEvent* event)
{
    GraphicControl* hovered = form_.graphicControlAt(event->position().toPoint());
    setCursor(hovered ? hovered->cursor() : Qt::ArrowCursor);
}

} // namespace gui
