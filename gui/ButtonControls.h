#pragma once

#include "gui/TextImages.h"
#include "gui/WindowedControl.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace gui {

// A radio button or check box. Captions in large fonts are drawn through the text image cache;
// the indicator and the focus frame come from the style.
template <class Button, ControlKind Kind, QStyle::PrimitiveElement Indicator,
          QStyle::SubElement IndicatorRect, QStyle::SubElement ContentsRect>
class CheckableButton : public WindowedControl<Button, Kind> {
public:
    using WindowedControl<Button, Kind>::WindowedControl;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        const qreal ratio = this->devicePixelRatioF();
        if (!drawsThroughImage(this->font(), ratio)) {
            Button::paintEvent(event);
            return;
        }
        QStylePainter painter(this);
        QStyleOptionButton option;
        this->initStyleOption(&option);
        QStyleOptionButton indicator = option;
        indicator.rect = this->style()->subElementRect(IndicatorRect, &option, this);
        painter.drawPrimitive(Indicator, indicator);

        const QRect contents = this->style()->subElementRect(ContentsRect, &option, this);
        const QColor color = this->palette().color(
            this->isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
        const TextImage& caption = textImage(this->text(), this->font(), color, ratio);
        const QPoint topLeft(contents.left(),
                             contents.top() + (contents.height() - caption.textSize.height()) / 2);
        painter.drawImage(topLeft + caption.offset, caption.image);
        if (this->hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = QRect(topLeft, caption.textSize).adjusted(-1, 0, 1, 0);
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

class CheckBox : public CheckBoxBase {
    Q_OBJECT
    Q_INTERFACES(gui::Control)

public:
    using CheckBoxBase::CheckBoxBase;
};

// A single-line edit field without a length limit.
class Edit : public EditBase {
    Q_OBJECT
    Q_INTERFACES(gui::Control)

public:
    using EditBase::EditBase;
};

} // namespace gui
