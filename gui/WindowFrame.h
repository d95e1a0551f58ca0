#pragma once

#include <QRect>
#include <QString>

class QPainter;

namespace gui {

// The painted frame of the windows that have one: the splash's tool window and the message box.
struct WindowFrame {
    int border;
    int titleHeight;

    QRect titleBar(const QRect& window) const;
    QRect closeBox(const QRect& window) const;
    QRect client(const QRect& window) const;
    void paint(QPainter& painter, const QRect& window, const QString& title, bool active) const;
};

inline constexpr WindowFrame ToolWindowFrame{2, 18};
inline constexpr WindowFrame DialogFrame{2, 22};

} // namespace gui
