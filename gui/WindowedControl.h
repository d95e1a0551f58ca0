#pragma once

#include "gui/Control.h"
#include "gui/Font.h"
#include "gui/ScaledText.h"

#include <QWidget>

namespace gui {

// A control that is a real Qt widget on the form's client area, above every graphic control.
template <class Widget, ControlKind Kind> class WindowedControl : public Widget, public Control {
public:
    WindowedControl(QWidget* client, const QString& name)
        : Widget(client)
    {
        this->setObjectName(name);
    }

    ControlKind kind() const override { return Kind; }
    QString controlName() const override { return this->objectName(); }
    QObject* asObject() override { return this; }
    QRect bounds() const override { return this->geometry(); }
    void setBounds(const QRect& bounds) override { this->setGeometry(bounds); }
    bool isShown() const override { return !this->isHidden(); }
    void setShown(bool shown) override { this->setVisible(shown); }

    int fontSize() const override { return font_.size; }
    void fitFont(int size, qreal scale) override
    {
        Font font = font_;
        font.fit(size, scale);
        setTextFont(font);
    }
    const Font& textFont() const { return font_; }
    // The caption as it is drawn: the font at its exact scale.
    ScaledText caption() const { return {this->text(), font_.drawingFont(), font_.drawingScale()}; }
    void setTextFont(const Font& font)
    {
        font_ = font;
        this->setFont(font.toQFont());
        // A palette of its own would make the style redraw this control's face from scratch
        // instead of taking it from its cache, so the shared palette stays where it fits.
        const QColor color = font.color.toQColor();
        QPalette palette = this->palette();
        if (palette.color(QPalette::ButtonText) == color &&
            palette.color(QPalette::WindowText) == color && palette.color(QPalette::Text) == color)
            return;
        palette.setColor(QPalette::ButtonText, color);
        palette.setColor(QPalette::WindowText, color);
        palette.setColor(QPalette::Text, color);
        this->setPalette(palette);
    }

private:
    Font font_;
};

} // namespace gui
