#pragma once

#include "gui/GraphicControl.h"

#include <QImage>

namespace gui {

// A picture drawn from the top-left corner of its bounds, clipped to them: at its natural size on
// the design's screen, and scaled with the screen on any other.
class Image : public GraphicControl {
    Q_OBJECT

public:
    Image(QWidget* client, const QString& name);

    ControlKind kind() const override { return ControlKind::Image; }

    const QImage& picture() const { return picture_; }
    // The picture's asset file, by which its scaled versions are found; none for a picture made
    // in the program, which is scaled from its pixels.
    void setPicture(const QImage& picture, const QString& file = QString());
    // The scale the screen is drawn at (1: the design's size).
    void setScale(qreal scale);
    // Where the picture is drawn, before clipping.
    QRect pictureRect() const { return QRect(rect_.topLeft(), drawn_.size()); }
    const QImage& drawnPicture() const { return drawn_; }

    void paint(QPainter& painter) const override;

private:
    void render();

    QImage picture_;
    QString file_;
    qreal scale_ = 1;
    QImage drawn_;
};

} // namespace gui
