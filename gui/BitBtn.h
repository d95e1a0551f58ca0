#pragma once

#include "gui/ButtonKind.h"
#include "gui/WindowedControl.h"

#include <QPushButton>
#include <functional>

namespace gui {

using BitBtnBase = WindowedControl<QPushButton, ControlKind::BitBtn>;

// A push button of one of the four kinds, with the kind's glyph left of its caption. What a kind
// does to its form on a click (close it, end its modal run) is the form's business; the button
// keeps the click handler that the screen binds.
class BitBtn : public BitBtnBase {
    Q_OBJECT
    Q_INTERFACES(gui::Control)

public:
    BitBtn(QWidget* client, const QString& name);

    ButtonKind buttonKind() const { return kind_; }
    // Sets the kind and its glyph.
    void setButtonKind(ButtonKind kind);

    void setOnClick(std::function<void()> handler) { onClick_ = std::move(handler); }
    void runClickHandler();

    static QString stockCaption(ButtonKind kind);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintFocusFrame(QPainter& painter) const;

    ButtonKind kind_ = ButtonKind::Ignore;
    std::function<void()> onClick_;
};

} // namespace gui
