#pragma once

#include "gui/GraphicControl.h"
#include "gui/chart/PieChart.h"

namespace gui {

// A chart holding one 3D pie series. Only its bounds follow the screen; everything inside keeps
// its size.
class Chart : public GraphicControl {
    Q_OBJECT

public:
    Chart(QWidget* client, const QString& name);

    ControlKind kind() const override { return ControlKind::Chart; }

    PieSeries& series() { return series_; }
    const PieSeries& series() const { return series_; }

    void paint(QPainter& painter) const override;

private:
    PieSeries series_;
};

} // namespace gui
