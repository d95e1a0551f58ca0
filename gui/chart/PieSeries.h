#pragma once

#include <QColor>
#include <QLocale>
#include <QString>
#include <vector>

namespace gui {

struct PiePoint {
    double value;
    QString label;
    QColor color;
};

// The one series of a pie chart: its points in the order they were added.
class PieSeries {
public:
    void Clear();
    // x has no meaning for a pie; it is taken so that the call reads like the other series kinds.
    void AddXY(double x, double value, const QString& label, QColor color);
    const std::vector<PiePoint>& points() const { return points_; }

    QString title;

private:
    std::vector<PiePoint> points_;
};

// A point's line in the legend: the value with digit grouping and up to three decimals, a blank and
// the label, for example "66.667 % Правильно".
QString legendText(const PiePoint& point, const QLocale& locale);

} // namespace gui
