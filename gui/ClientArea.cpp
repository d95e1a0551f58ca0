#include "gui/ClientArea.h"

#include "gui/GraphicControl.h"

#include <QMouseEvent>
#include <QPainter>

namespace gui {

ClientArea::ClientArea(QWidget* form)
    : QWidget(form)
{
    setObjectName("client");
    setMouseTracking(true);
}

void ClientArea::setBackground(Color color)
{
    background_ = color;
    update();
}

void ClientArea::addGraphic(GraphicControl* control)
{
    graphics_.push_back(control);
}

GraphicControl* ClientArea::graphicAt(const QPoint& point) const
{
    // A mark only decorates the text beneath it: the click, and the cursor, are that text's.
    for (auto it = graphics_.rbegin(); it != graphics_.rend(); ++it)
        if ((*it)->isShown() && !(*it)->isMark() && (*it)->bounds().contains(point))
            return *it;
    return nullptr;
}

void ClientArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), background_.toQColor());
    for (GraphicControl* graphic : graphics_)
        if (graphic->isShown())
            graphic->paint(painter);
}

void ClientArea::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pressed_ = graphicAt(event->position().toPoint());
}

void ClientArea::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !pressed_)
        return;
    GraphicControl* released = graphicAt(event->position().toPoint());
    GraphicControl* pressed = pressed_;
    pressed_ = nullptr;
    if (released == pressed)
        pressed->click();
}

void ClientArea::mouseMoveEvent(QMouseEvent* event)
{
    GraphicControl* hovered = graphicAt(event->position().toPoint());
    setCursor(hovered ? hovered->cursor() : Qt::ArrowCursor);
}

} // namespace gui
