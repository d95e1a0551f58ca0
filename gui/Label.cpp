#include "gui/Label.h"

#include "gui/TextImages.h"

#include <QFontMetrics>
#include <QPainter>

namespace gui {

Label::Label(QWidget* client, const QString& name)
    : GraphicControl(client, name)
{
}

void Label::setText(const QString& text)
{
    text_ = text;
    fitToText();
}

void Label::setFont(const Font& font)
{
    font_ = font;
    fitToText();
}

void Label::setColor(Color color)
{
    font_.color = color;
    repaint();
}

void Label::setFontSize(int size)
{
    font_.size = size;
    fitToText();
}

void Label::setBounds(const QRect& bounds)
{
    rect_.moveTopLeft(bounds.topLeft());
    fitToText();
}

void Label::fitToText()
{
    // Measured when first needed: a screen changes its labels' sizes while it is being fitted.
    sized_ = false;
    repaint();
}

void Label::ensureSized() const
{
    if (sized_)
        return;
    qfont_ = font_.toQFont();
    const QFontMetrics metrics(qfont_);
    ascent_ = metrics.ascent();
    rect_.setSize(QSize(metrics.horizontalAdvance(text_), metrics.height()));
    sized_ = true;
}

QRect Label::bounds() const
{
    ensureSized();
    return rect_;
}

void Label::paint(QPainter& painter) const
{
    ensureSized();
    const qreal ratio = painter.device()->devicePixelRatioF();
    if (drawsThroughImage(qfont_, ratio)) {
        const TextImage& drawn = textImage(text_, qfont_, font_.color.toQColor(), ratio);
        painter.drawImage(rect_.topLeft() + drawn.offset, drawn.image);
        return;
    }
    painter.setFont(qfont_);
    painter.setPen(font_.color.toQColor());
    painter.drawText(QPoint(rect_.left(), rect_.top() + ascent_), text_);
}

} // namespace gui
