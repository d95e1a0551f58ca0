#pragma once

#include "gui/WindowedControl.h"

#include <QPushButton>
#include <functional>

namespace gui {

class Form;

// ok: the form's default button (Enter); cancel: its cancel button (Esc); ignore: neither;
// close: closes its form by itself and never runs a click handler.
enum class ButtonKind { OK, Cancel, Ignore, Close };

class BitBtn : public WindowedControl<QPushButton, ControlKind::BitBtn> {
public:
    BitBtn(QWidget* client, Form& form, const QString& name);

    ButtonKind buttonKind() const { return kind_; }
    // Sets the kind and its glyph.
    void setButtonKind(ButtonKind kind);
    void setOnClick(std::function<void()> handler) { onClick_ = std::move(handler); }

    static QString stockCaption(ButtonKind kind);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void handleClick();

    Form& form_;
    ButtonKind kind_ = ButtonKind::Ignore;
    std::function<void()> onClick_;
};

} // namespace gui
