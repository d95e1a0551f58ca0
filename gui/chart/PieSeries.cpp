#include "gui/chart/PieSeries.h"

#include <cmath>

namespace gui {

void PieSeries::Clear()
{
    points_.clear();
}

void PieSeries::AddXY(double /*x*/, double value, const QString& label, QColor color)
{
    points_.push_back({value, label, color});
}

QString legendText(const PiePoint& point, const QLocale& locale)
{
    QLocale grouping(locale);
    grouping.setNumberOptions(QLocale::DefaultNumberOptions);
    // A value that rounds to zero is written as 0, never as -0.
    const double value = std::round(point.value * 1000) == 0 ? 0.0 : point.value;
    QString number = grouping.toString(value, 'f', 3);
    const QString decimalPoint = grouping.decimalPoint();
    if (number.contains(decimalPoint)) {
        const QString zero = grouping.zeroDigit();
        while (number.endsWith(zero))
            number.chop(zero.size());
        if (number.endsWith(decimalPoint))
            number.chop(decimalPoint.size());
    }
    return number + ' ' + point.label;
}

} // namespace gui
