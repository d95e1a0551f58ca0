#include "gui/StatusBar.h"

#include "gui/Font.h"

#include <QPainter>
#include <stdexcept>

namespace gui {

StatusBar::StatusBar(QWidget* client, const QString& name)
    : QWidget(client)
{
    setObjectName(name);
    setPanelWidths({50});
    alignToBottom();
}

void StatusBar::setPanelWidths(const std::vector<int>& widths)
{
    widths_ = widths.empty() ? std::vector<int>{50} : widths;
    while (texts_.size() < int(widths_.size()))
        texts_.append(QString());
    update();
}

QString StatusBar::panelText(int panel) const
{
    return texts_.value(panel);
}

void StatusBar::setPanelText(int panel, const QString& text)
{
    if (panel < 0 || panel >= panelCount())
        throw std::out_of_range("status bar panel out of range");
    texts_[panel] = text;
    update();
}

void StatusBar::alignToBottom()
{
    const QWidget* client = parentWidget();
    setGeometry(0, client->height() - Height, client->width(), Height);
}

void StatusBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(240, 240, 240));
    Font font;
    painter.setFont(font.toQFont());
    int left = 0;
    for (int i = 0; i < panelCount(); ++i) {
        const bool last = i == panelCount() - 1;
        const int right = last ? width() : left + widths_[i];
        const QRect panel(left, 2, right - left - 2, height() - 2);
        painter.setPen(QColor(160, 160, 160));
        painter.drawLine(panel.topLeft(), panel.topRight());
        painter.drawLine(panel.topLeft(), panel.bottomLeft());
        painter.setPen(Qt::white);
        painter.drawLine(panel.bottomLeft(), panel.bottomRight());
        painter.drawLine(panel.topRight(), panel.bottomRight());
        painter.setPen(Qt::black);
        painter.drawText(panel.adjusted(3, 0, -3, 0), Qt::AlignVCenter | Qt::AlignLeft, texts_[i]);
        left = right;
    }
}

} // namespace gui
