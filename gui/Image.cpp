#include "gui/Image.h"

#include <QPainter>

namespace gui {

Image::Image(QWidget* client, const QString& name)
    : GraphicControl(client, name)
{
}

void Image::setPicture(const QImage& picture)
{
    picture_ = picture;
    repaint();
}

void Image::paint(QPainter& painter) const
{
    if (picture_.isNull())
        return;
    painter.save();
    painter.setClipRect(rect_);
    painter.drawImage(rect_.topLeft(), picture_);
    painter.restore();
}

} // namespace gui
