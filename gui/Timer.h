#pragma once

#include "gui/Control.h"

#include <QObject>
#include <QTimer>
#include <functional>

namespace gui {

// A non-visual control that calls its tick handler every interval while it is enabled.
class Timer : public QObject, public Control {
    Q_OBJECT
    Q_INTERFACES(gui::Control)

public:
    Timer(QObject* owner, const QString& name);

    ControlKind kind() const override { return ControlKind::Timer; }
    QString controlName() const override { return objectName(); }
    QObject* asObject() override { return this; }
    QRect bounds() const override { return {}; }
    void setBounds(const QRect&) override {}
    bool isShown() const override { return false; }
    void setShown(bool) override {}

    int interval() const { return timer_.interval(); }
    void setInterval(int milliseconds);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    void setOnTimer(std::function<void()> handler) { onTimer_ = std::move(handler); }

private:
    QTimer timer_;
    bool enabled_ = true;
    std::function<void()> onTimer_;
};

} // namespace gui
