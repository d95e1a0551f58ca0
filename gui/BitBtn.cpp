#include "BitBtn.h"

#include "Form.h"
#include "Glyphs.h"

namespace gui {

BitBtn::BitBtn(QWidget* client, Form& form, const QString& name)
    : WindowedControl(client, name)
    , form_(form)
{
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QPushButton::clicked, this, [this] { handleClick(); });
}

QString BitBtn::stockCaption(ButtonKind kind)
{
    switch (kind) {
    case ButtonKind::OK:
        return "OK";
    case ButtonKind::Cancel:
        return "Cancel";
    case ButtonKind::Ignore:
        return "&Ignore";
    case ButtonKind::Close:
        return "&Close";
    }
    return {};
}

void BitBtn::setButtonKind(ButtonKind kind)
{
    kind_ = kind;
    setIcon(buttonGlyph(kind));
    setIconSize(QSize(18, 18));
}

void BitBtn::handleClick()
{
    if (kind_ == ButtonKind::Close) {
        form_.Close();
        return;
    }
    if (form_.isModal()) {
        switch (kind_) {
        case ButtonKind::OK:
            form_.setModalResult(ModalResult::OK);
            break;
        case ButtonKind::Cancel:
            form_.setModalResult(ModalResult::Cancel);
            break;
        default:
            form_.setModalResult(ModalResult::Ignore);
            break;
        }
    }
    if (onClick_) {
        auto handler = onClick_;
        handler();
    }
}

} // namespace gui
