#include "tools/benchmark/FirstPaint.h"

#include <QEvent>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

FirstPaintReporter::FirstPaintReporter(QString target)
    : target_(std::move(target))
{
}

bool FirstPaintReporter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::Paint)
        return false;
    for (auto* widget = qobject_cast<QWidget*>(watched); widget; widget = widget->parentWidget()) {
        if (widget->objectName() != target_)
            continue;
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        std::printf("first_paint_ns=%lld peak_rss_kb=%ld\n",
                    static_cast<long long>(std::chrono::nanoseconds(now).count()), usage.ru_maxrss);
        std::fflush(stdout);
        std::_Exit(0);
    }
    return false;
}
