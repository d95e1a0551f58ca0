#pragma once

#include "gui/GraphicControl.h"

#include <QImage>

namespace gui {

// A picture drawn at its natural size in the top-left corner of its bounds, clipped to them.
class Image : public GraphicControl {
    Q_OBJECT

public:
    Image(QWidget* client, const QString& name);

    ControlKind kind() const override { return ControlKind::Image; }

    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture);

    void paint(QPainter& painter) const override;

private:
    QImage picture_;
};

} // namespace gui
