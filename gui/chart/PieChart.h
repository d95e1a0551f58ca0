#pragma once

#include "gui/chart/PieSeries.h"

#include <QLocale>
#include <QPainter>
#include <QRect>

namespace gui {

// Paints the whole chart into rect, the chart control's bounds: a white panel with a raised bevel,
// the series as a tilted 3D pie with a labelled mark on each slice, and the legend at the right.
// Only the pie grows with rect; fonts and the boxes around text keep their sizes.
void paintPieChart(QPainter& painter, const QRect& rect, const PieSeries& series,
                   const QLocale& locale = QLocale());

} // namespace gui
