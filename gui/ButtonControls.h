#pragma once

#include "gui/WindowedControl.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QtMath>
#include <algorithm>

namespace gui {

// A radio button or check box, drawn as its design magnified by the display's scale: indicator,
// caption and focus frame keep the proportions of the design, so marks that a layout lays over a
// caption stay where they belong at every size.
template <class Button, ControlKind Kind, QStyle::PrimitiveElement Indicator,
          QStyle::SubElement IndicatorRect, QStyle::SubElement ContentsRect>
class CheckableButton : public WindowedControl<Button, Kind> {
public:
    using WindowedControl<Button, Kind>::WindowedControl;

protected:
    // The whole control takes a click, as a pupil expects, not only where the style would put box
    // and caption: the style lays them out at their natural sizes and in the widget's rounded
    // font, so on a larger display its click area ends well before the magnified caption drawn
    // here does.
    bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }

    void paintEvent(QPaintEvent*) override
    {
        const ScaledText caption = this->caption();
        const qreal scale = caption.scale;
        QStylePainter painter(this);
        QStyleOptionButton option;
        this->initStyleOption(&option);
        option.rect = QRect(0, 0, qRound(this->width() / scale), qRound(this->height() / scale));
        QStyleOptionButton indicator = option;
        indicator.rect = this->style()->subElementRect(IndicatorRect, &option, this);
        painter.save();
        painter.scale(scale, scale);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawPrimitive(Indicator, indicator);
        painter.restore();

        const QRectF contents = QRectF(this->style()->subElementRect(ContentsRect, &option, this));
        const QSizeF textSize = caption.size();
        const QPointF topLeft(contents.left() * scale,
                              contents.top() * scale +
                                  (contents.height() * scale - textSize.height()) / 2);
        const QColor color = this->palette().color(
            this->isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
        caption.draw(painter, topLeft, color);
        if (this->hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = QRectF(topLeft, textSize).toAlignedRect().adjusted(-1, 0, 1, 0);
            painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
        }
    }
};

using RadioButtonBase =
    CheckableButton<QRadioButton, ControlKind::RadioButton, QStyle::PE_IndicatorRadioButton,
                    QStyle::SE_RadioButtonIndicator, QStyle::SE_RadioButtonContents>;
using CheckBoxBase = CheckableButton<QCheckBox, ControlKind::CheckBox, QStyle::PE_IndicatorCheckBox,
                                     QStyle::SE_CheckBoxIndicator, QStyle::SE_CheckBoxContents>;
using EditBase = WindowedControl<QLineEdit, ControlKind::Edit>;

// All radio buttons of a form share its client area and so form one group.
class RadioButton : public RadioButtonBase {
    Q_OBJECT
    Q_INTERFACES(gui::Control)

public:
    using RadioButtonBase::RadioButtonBase;
};

// A box lower than its caption's line reaches just as far above and below its bounds as the
// caption needs to be drawn whole; its bounds, and with them the middle of its box and caption,
// stay where the layout puts them.
class CheckBox : public CheckBoxBase {
    Q_OBJECT
    Q_INTERFACES(gui::Control)

public:
    using CheckBoxBase::CheckBoxBase;

    QRect bounds() const override { return bounds_; }
    void setBounds(const QRect& bounds) override
    {
        bounds_ = bounds;
        fitToCaption();
    }
    void fitFont(int size, qreal scale) override
    {
        CheckBoxBase::fitFont(size, scale);
        fitToCaption();
    }

private:
    void fitToCaption()
    {
        const int overhang = std::max(0, qCeil((caption().size().height() - bounds_.height()) / 2));
        setGeometry(bounds_.adjusted(0, -overhang, 0, overhang));
    }

    QRect bounds_;
};

// A single-line edit field without a length limit.
class Edit : public EditBase {
    Q_OBJECT
    Q_INTERFACES(gui::Control)

public:
    using EditBase::EditBase;
};

} // namespace gui
