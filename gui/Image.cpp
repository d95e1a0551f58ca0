#include "gui/Image.h"

#include "gui/Picture.h"

#include <QPainter>

namespace gui {

Image::Image(QWidget* client, const QString& name)
    : GraphicControl(client, name)
{
}

void Image::setPicture(const QImage& picture, const QString& file)
{
    picture_ = picture;
    file_ = file;
    render();
}

void Image::setScale(qreal scale)
{
    scale_ = scale;
    render();
}

void Image::render()
{
    const QSize size(qRound(picture_.width() * scale_), qRound(picture_.height() * scale_));
    if (picture_.isNull() || size == picture_.size())
        drawn_ = picture_;
    else if (!file_.isEmpty())
        drawn_ = loadPicture(file_, size);
    else
        drawn_ = picture_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    repaint();
}

void Image::paint(QPainter& painter) const
{
    if (drawn_.isNull())
        return;
    painter.save();
    painter.setClipRect(rect_);
    painter.drawImage(rect_.topLeft(), drawn_);
    painter.restore();
}

} // namespace gui
