#include "gui/Chart.h"

#include <QPainter>

namespace gui {

Chart::Chart(QWidget* client, const QString& name)
    : GraphicControl(client, name)
{
}

void Chart::paint(QPainter& painter) const
{
    painter.save();
    painter.setClipRect(rect_);
    paintPieChart(painter, rect_, series_);
    painter.restore();
}

} // namespace gui
