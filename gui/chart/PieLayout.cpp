#include "gui/chart/PieLayout.h"

#include <QtMath>
#include <algorithm>
#include <cmath>
#include <limits>

namespace gui {

namespace {

// The view: the pie's depth is 15% of the chart, seen from 45 degrees above (elevation 315).
constexpr double depthPercent = 15;
constexpr double elevationDegrees = 315;

struct Spacing {
    double margin; // between the chart's edge, the legend and the plot
    int padding;   // between a box's frame and its text
};

Spacing spacingFor(const QFontMetricsF& metrics)
{
    return {metrics.averageCharWidth(), int(std::round(metrics.averageCharWidth() * 0.6))};
}

std::vector<PieSlice> slicesOf(const PieSeries& series)
{
    double total = 0;
    for (const PiePoint& point : series.points())
        if (point.value > 0)
            total += point.value;
    std::vector<PieSlice> slices;
    if (!(total > 0) || !std::isfinite(total))
        return slices;
    double start = 0;
    for (std::size_t i = 0; i < series.points().size(); ++i) {
        const double value = series.points()[i].value;
        if (!(value > 0))
            continue;
        const double span = 360 * value / total;
        slices.push_back({i, start, span});
        start += span;
    }
    return slices;
}

QSize markBoxSize(const QString& text, const QFontMetricsF& metrics, const Spacing& spacing)
{
    constexpr int frames = 2;
    return QSize(int(std::ceil(metrics.horizontalAdvance(text))) + 2 * spacing.padding + frames,
                 int(std::ceil(metrics.height())) + 2 + frames);
}

// Lays the legend out against the right edge of area, centred vertically.
void layOutLegend(PieLayout& layout, const QRectF& area, const PieSeries& series,
                  const QLocale& locale, const QFontMetricsF& metrics, const Spacing& spacing)
{
    const auto& points = series.points();
    if (points.empty())
        return;
    double textWidth = 0;
    for (const PiePoint& point : points)
        textWidth = std::max(textWidth, metrics.horizontalAdvance(legendText(point, locale)));
    const int lineHeight = int(std::ceil(metrics.height()));
    const int swatchWidth = int(std::round(metrics.averageCharWidth() * 2.5));
    const int swatchHeight = int(std::round(metrics.ascent() * 0.8));
    const int padding = 1 + spacing.padding;
    const int gap = spacing.padding;
    // A little more room after the text than before the swatch, for the text's last glyph.
    const int width = padding + swatchWidth + gap + int(std::ceil(textWidth)) + padding + gap / 2;
    const int height = int(points.size()) * lineHeight + 2 * padding;
    const int left = int(std::floor(area.right())) - width;
    const int top = int(std::round(area.center().y() - height / 2.0));
    layout.legend = QRect(left, top, width, height);
    for (std::size_t i = 0; i < points.size(); ++i) {
        const int lineTop = top + padding + int(i) * lineHeight;
        const QRect swatch(left + padding, lineTop + (lineHeight - swatchHeight) / 2, swatchWidth,
                           swatchHeight);
        const QRectF text(swatch.right() + 1 + gap, lineTop, textWidth, lineHeight);
        layout.legendLines.push_back({i, swatch, text});
    }
}

QPointF rimPoint(const QRectF& ellipse, double degrees)
{
    const double radians = qDegreesToRadians(degrees);
    return {ellipse.center().x() + ellipse.width() / 2 * std::cos(radians),
            ellipse.center().y() - ellipse.height() / 2 * std::sin(radians)};
}

// A mark relative to the point of the upper face's rim at the slice's middle angle. It does not
// depend on the pie's size, which lets the pie be fitted around its marks.
struct MarkShape {
    std::size_t point;
    double degrees;
    QPointF arrowStart;
    QPointF arrowEnd;
    QRectF box;
};

MarkShape markShapeFor(const PieSlice& slice, double wallHeight, QSize boxSize)
{
    const double degrees = slice.startDegrees + slice.spanDegrees / 2;
    const double dx = std::cos(qDegreesToRadians(degrees));
    const double dy = -std::sin(qDegreesToRadians(degrees));
    // On the near half the arrow leaves from the lower edge of the side wall.
    const QPointF start(0, dy > 0 ? wallHeight : 0);
    const QPointF end = start + QPointF(dx, dy) * pieArrowLength;
    // The box sits beyond the arrow, pushed along it until the box's edge meets the arrow's end.
    constexpr double infinite = std::numeric_limits<double>::infinity();
    const double alongX = std::abs(dx) > 1e-9 ? boxSize.width() / 2.0 / std::abs(dx) : infinite;
    const double alongY = std::abs(dy) > 1e-9 ? boxSize.height() / 2.0 / std::abs(dy) : infinite;
    const QPointF centre = end + QPointF(dx, dy) * std::min(alongX, alongY);
    QRectF box{QPointF(), QSizeF(boxSize)};
    box.moveCenter(centre);
    return {slice.point, degrees, start, end, box};
}

// How one thing drawn around the pie reaches out along an axis: from centre + slope * radius, it
// spans the offsets low to high.
struct Reach {
    double slope;
    double low;
    double high;
};

struct AxisFit {
    double centre;
    double radius;
};

// The largest radius, and a centre for it, that keep everything within first..last.
AxisFit fitAxis(double first, double last, const std::vector<Reach>& reaches)
{
    const auto centreRange = [&](double radius) {
        double lowest = -std::numeric_limits<double>::infinity();
        double highest = std::numeric_limits<double>::infinity();
        for (const Reach& reach : reaches) {
            lowest = std::max(lowest, first - reach.slope * radius - reach.low);
            highest = std::min(highest, last - reach.slope * radius - reach.high);
        }
        return std::pair(lowest, highest);
    };
    double fits = 0;
    double fails = std::max(0.0, (last - first) / 2) + 1;
    if (const auto [lowest, highest] = centreRange(fits); lowest > highest)
        return {(first + last) / 2, 0};
    for (int step = 0; step < 40; ++step) {
        const double radius = (fits + fails) / 2;
        const auto [lowest, highest] = centreRange(radius);
        (lowest <= highest ? fits : fails) = radius;
    }
    const auto [lowest, highest] = centreRange(fits);
    return {(lowest + highest) / 2, std::floor(fits)};
}

// Fits the upper face into plot with the side wall below it and the marks around it.
QRectF fitPie(const QRectF& plot, double wallHeight, const std::vector<MarkShape>& marks)
{
    std::vector<Reach> across = {{-1, 0, 0}, {1, 0, 0}};
    std::vector<Reach> down = {{-1, 0, 0}, {1, 0, wallHeight}};
    for (const MarkShape& mark : marks) {
        const double radians = qDegreesToRadians(mark.degrees);
        across.push_back({std::cos(radians), mark.box.left(), mark.box.right()});
        down.push_back({-std::sin(radians), mark.box.top(), mark.box.bottom()});
    }
    const AxisFit x = fitAxis(plot.left(), plot.right(), across);
    const AxisFit y = fitAxis(plot.top(), plot.bottom(), down);
    return QRectF(std::round(x.centre - x.radius), std::round(y.centre - y.radius), 2 * x.radius,
                  2 * y.radius);
}

} // namespace

QFont pieChartFont()
{
    // 8 points at 96 pixels per inch, fixed in pixels so that no screen setting changes it.
    constexpr int points = 8;
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(int(std::round(points * 96 / 72.0)));
    return font;
}

PieLayout layoutPieChart(const QRect& rect, const PieSeries& series, const QLocale& locale,
                         const QFontMetricsF& metrics)
{
    PieLayout layout;
    const Spacing spacing = spacingFor(metrics);
    // Inside the bevel, below the title line, which stays empty but keeps its height.
    const QRectF inner = QRectF(rect).adjusted(1, 1, -1, -1);
    const QRectF area = inner.adjusted(spacing.margin, spacing.margin + metrics.height(),
                                       -spacing.margin, -spacing.margin);
    layOutLegend(layout, area, series, locale, metrics, spacing);

    QRectF plot = area;
    if (!layout.legend.isEmpty())
        plot.setRight(layout.legend.left() - 2 * spacing.margin);

    const double tilt = std::abs(std::sin(qDegreesToRadians(elevationDegrees)));
    const double depth = depthPercent / 100 * std::min(inner.width(), inner.height());
    const double wallHeight = std::round(std::clamp(depth * tilt, 0.0, plot.height() / 4));
    const std::vector<PieSlice> slices = slicesOf(series);
    std::vector<MarkShape> marks;
    for (const PieSlice& slice : slices)
        marks.push_back(markShapeFor(
            slice, wallHeight, markBoxSize(series.points()[slice.point].label, metrics, spacing)));
    const QRectF top = fitPie(plot, wallHeight, marks);
    if (top.width() < 1 || top.height() < 1)
        return layout;

    layout.top = top;
    layout.wallHeight = wallHeight;
    layout.slices = slices;
    for (const MarkShape& mark : marks) {
        const QPointF rim = rimPoint(top, mark.degrees);
        const QPointF corner = rim + mark.box.topLeft();
        const QRect box(QPoint(int(std::round(corner.x())), int(std::round(corner.y()))),
                        mark.box.size().toSize());
        layout.marks.push_back({mark.point, rim + mark.arrowStart, rim + mark.arrowEnd, box});
    }
    return layout;
}

} // namespace gui
