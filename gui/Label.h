#pragma once

#include "gui/Font.h"
#include "gui/GraphicControl.h"
#include "gui/ScaledText.h"

#include <optional>

namespace gui {

// A one-line text that sizes itself to its text. Its font colour doubles as the state of an
// option label. It is transparent unless given a background, which it then paints over its whole
// rectangle before its text, so the text stays readable on whatever lies beneath.
class Label : public GraphicControl {
    Q_OBJECT

public:
    Label(QWidget* client, const QString& name);

    ControlKind kind() const override { return ControlKind::Label; }

    QString text() const { return text_; }
    void setText(const QString& text);

    const Font& font() const { return font_; }
    void setFont(const Font& font);
    Color color() const { return font_.color; }
    void setColor(Color color);

    std::optional<Color> background() const { return background_; }
    void setBackground(std::optional<Color> background);

    int fontSize() const override { return font_.size; }
    void setFontSize(int size);
    void fitFont(int size, qreal scale) override;
    // Only the position is taken: width and height follow the text.
    void setBounds(const QRect& bounds) override;
    QRect bounds() const override;
    QPoint position() const override { return rect_.topLeft(); }
    // The text's exact size as drawn (the bounds are rounded up to whole pixels).
    QSizeF textSize() const;

    void paint(QPainter& painter) const override;

private:
    void fitToText();
    void ensureSized() const;

    QString text_;
    Font font_;
    std::optional<Color> background_;
    // The text in its drawing font, measured, kept until the text or the font changes.
    mutable bool sized_ = false;
    mutable ScaledText drawn_;
    mutable QSizeF textSize_;
};

} // namespace gui
