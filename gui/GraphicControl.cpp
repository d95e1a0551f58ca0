#include "gui/GraphicControl.h"

#include <QWidget>

namespace gui {

GraphicControl::GraphicControl(QWidget* client, const QString& name)
    : QObject(client)
{
    setObjectName(name);
}

QWidget* GraphicControl::client() const
{
    return static_cast<QWidget*>(parent());
}

void GraphicControl::repaint()
{
    client()->update();
}

void GraphicControl::setBounds(const QRect& bounds)
{
    rect_ = bounds;
    repaint();
}

void GraphicControl::setShown(bool shown)
{
    if (visible_ == shown)
        return;
    visible_ = shown;
    repaint();
}

void GraphicControl::click()
{
    if (onClick_) {
        // The handler may close or replace this control's form; keep a copy alive meanwhile.
        auto handler = onClick_;
        handler();
    }
}

} // namespace gui
