#include "gui/WindowFrame.h"

#include "gui/Font.h"

#include <QPainter>

namespace gui {

QRect WindowFrame::titleBar(const QRect& window) const
{
    return QRect(window.left() + border, window.top() + border, window.width() - 2 * border,
                 titleHeight);
}

QRect WindowFrame::closeBox(const QRect& window) const
{
    const QRect bar = titleBar(window);
    const int side = titleHeight - 4;
    return QRect(bar.right() - side - 1, bar.top() + 2, side, side);
}

QRect WindowFrame::client(const QRect& window) const
{
    return window.adjusted(border, border + titleHeight, -border, -border);
}

void WindowFrame::paint(QPainter& painter, const QRect& window, const QString& title,
                        bool active) const
{
    painter.fillRect(window, QColor(240, 240, 240));
    painter.setPen(QColor(100, 100, 100));
    painter.drawRect(window.adjusted(0, 0, -1, -1));

    const QRect bar = titleBar(window);
    painter.fillRect(bar, active ? QColor(0, 84, 166) : QColor(128, 128, 128));
    Font font;
    font.bold = true;
    painter.setFont(font.toQFont());
    painter.setPen(Qt::white);
    painter.drawText(bar.adjusted(4, 0, -titleHeight, 0), Qt::AlignVCenter | Qt::AlignLeft, title);

    const QRect box = closeBox(window);
    painter.fillRect(box, QColor(232, 17, 35));
    painter.setPen(QPen(Qt::white, 1.5));
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF cross = QRectF(box).adjusted(4, 4, -4, -4);
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.topRight(), cross.bottomLeft());
    painter.setRenderHint(QPainter::Antialiasing, false);
}

} // namespace gui
