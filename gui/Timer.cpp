#include "gui/Timer.h"

namespace gui {

Timer::Timer(QObject* owner, const QString& name)
    : QObject(owner)
{
    setObjectName(name);
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (enabled_ && onTimer_)
            onTimer_();
    });
    timer_.start();
}

void Timer::setInterval(int milliseconds)
{
    timer_.setInterval(milliseconds);
}

void Timer::setEnabled(bool enabled)
{
    enabled_ = enabled;
    if (enabled)
        timer_.start();
    else
        timer_.stop();
}

} // namespace gui
