#include "gui/Label.h"

#include <QPainter>
#include <cmath>

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

void Label::setBackground(std::optional<Color> background)
{
    background_ = background;
    repaint();
}

void Label::setFontSize(int size)
{
    font_.setSize(size);
    fitToText();
}

void Label::fitFont(int size, qreal scale)
{
    font_.fit(size, scale);
    fitToText();
}

void Label::setBounds(const QRect& bounds)
{
    // A move keeps the text's measure: it depends on the text and the font alone.
    rect_.moveTopLeft(bounds.topLeft());
    repaint();
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
    drawn_ = {text_, font_.drawingFont(), font_.drawingScale()};
    textSize_ = drawn_.size();
    rect_.setSize(QSize(int(std::ceil(textSize_.width())), int(std::ceil(textSize_.height()))));
    sized_ = true;
}

QSizeF Label::textSize() const
{
    ensureSized();
    return textSize_;
}

QRect Label::bounds() const
{
    ensureSized();
    return rect_;
}

void Label::paint(QPainter& painter) const
{
    ensureSized();
    if (background_)
        painter.fillRect(rect_, background_->toQColor());
    drawn_.draw(painter, rect_.topLeft(), font_.color.toQColor());
}

} // namespace gui
