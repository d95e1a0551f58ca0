#include "gui/chart/PieChart.h"

#include "gui/chart/PieLayout.h"

#include <QPainterPath>
#include <algorithm>

namespace gui {

namespace {

const QColor panelColor{255, 255, 255};
const QColor bevelLight{255, 255, 255};
const QColor bevelShadow{128, 128, 128};
const QColor markColor{255, 255, 128};
const QColor lineColor{0, 0, 0};
const QColor legendShadow{128, 128, 128};
constexpr int legendShadowOffset = 2;
constexpr int sideShade = 150; // the side walls at two thirds of the slice colour's brightness

void paintPanel(QPainter& painter, const QRect& rect)
{
    painter.fillRect(rect, panelColor);
    painter.setPen(bevelLight);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(bevelShadow);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

// A framed box whose frame lies on the outermost pixels of box.
void paintBox(QPainter& painter, const QRect& box, const QColor& fill)
{
    painter.fillRect(box, fill);
    painter.setPen(lineColor);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(0, 0, -1, -1));
}

QPainterPath sliceFace(const QRectF& ellipse, const PieSlice& slice)
{
    QPainterPath path;
    if (slice.spanDegrees >= 360 - 1e-9) {
        path.addEllipse(ellipse);
        return path;
    }
    path.moveTo(ellipse.center());
    path.arcTo(ellipse, slice.startDegrees, slice.spanDegrees);
    path.closeSubpath();
    return path;
}

// The part of the outer wall between two angles of the near half (180 to 360 degrees).
QPainterPath wallSection(const QRectF& top, double wallHeight, double from, double to)
{
    const QRectF bottom = top.translated(0, wallHeight);
    QPainterPath path;
    path.arcMoveTo(top, from);
    path.arcTo(top, from, to - from);
    // arcTo joins the arc's start to the current point: that is the wall's edge at `to`.
    path.arcTo(bottom, to, from - to);
    path.closeSubpath();
    return path;
}

void paintPie(QPainter& painter, const PieLayout& layout, const PieSeries& series)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(lineColor, 1));
    for (const PieSlice& slice : layout.slices) {
        const double from = std::max(slice.startDegrees, 180.0);
        const double to = std::min(slice.startDegrees + slice.spanDegrees, 360.0);
        if (to <= from)
            continue;
        painter.setBrush(series.points()[slice.point].color.darker(sideShade));
        painter.drawPath(wallSection(layout.top, layout.wallHeight, from, to));
    }
    for (const PieSlice& slice : layout.slices) {
        painter.setBrush(series.points()[slice.point].color);
        painter.drawPath(sliceFace(layout.top, slice));
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
}

void paintMarks(QPainter& painter, const PieLayout& layout, const PieSeries& series)
{
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(lineColor, 1));
    for (const PieMark& mark : layout.marks)
        painter.drawLine(mark.arrowStart, mark.arrowEnd);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const PieMark& mark : layout.marks) {
        paintBox(painter, mark.box, markColor);
        painter.drawText(mark.box, Qt::AlignCenter, series.points()[mark.point].label);
    }
}

void paintLegend(QPainter& painter, const PieLayout& layout, const PieSeries& series,
                 const QLocale& locale)
{
    if (layout.legend.isEmpty())
        return;
    painter.fillRect(layout.legend.translated(legendShadowOffset, legendShadowOffset),
                     legendShadow);
    paintBox(painter, layout.legend, panelColor);
    for (const LegendLine& line : layout.legendLines) {
        const PiePoint& point = series.points()[line.point];
        paintBox(painter, line.swatch, point.color);
        painter.drawText(line.text, Qt::AlignLeft | Qt::AlignVCenter, legendText(point, locale));
    }
}

} // namespace

void paintPieChart(QPainter& painter, const QRect& rect, const PieSeries& series,
                   const QLocale& locale)
{
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setFont(pieChartFont());
    const QFontMetricsF metrics(painter.font(), painter.device());
    const PieLayout layout = layoutPieChart(rect, series, locale, metrics);
    paintPanel(painter, rect);
    paintPie(painter, layout, series);
    paintMarks(painter, layout, series);
    paintLegend(painter, layout, series, locale);
    painter.restore();
}

} // namespace gui
