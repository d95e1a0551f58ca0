#pragma once

#include "gui/chart/PieSeries.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QRect>
#include <QRectF>
#include <cstddef>
#include <vector>

namespace gui {

// The font of the legend and the marks. It keeps its size however large the chart is.
QFont pieChartFont();

// A drawn slice; angles in degrees, counter-clockwise from three o'clock.
struct PieSlice {
    std::size_t point;
    double startDegrees;
    double spanDegrees;
};

// The label box of a slice and the arrow that joins it to the slice's rim.
struct PieMark {
    std::size_t point;
    QPointF arrowStart;
    QPointF arrowEnd;
    QRect box;
};

struct LegendLine {
    std::size_t point;
    QRect swatch;
    QRectF text;
};

// Where everything of a pie chart goes. Slices and marks exist only for points with a value above
// zero; the legend has a line for every point.
struct PieLayout {
    QRectF top; // the ellipse of the pie's upper face; empty when the chart leaves no room
    double wallHeight = 0; // how far the side wall reaches below the upper face
    std::vector<PieSlice> slices;
    std::vector<PieMark> marks;
    QRect legend; // empty when the series has no points
    std::vector<LegendLine> legendLines;
};

inline constexpr double pieArrowLength = 8;

PieLayout layoutPieChart(const QRect& rect, const PieSeries& series, const QLocale& locale,
                         const QFontMetricsF& metrics);

} // namespace gui
