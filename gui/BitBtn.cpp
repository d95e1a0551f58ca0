#include "gui/BitBtn.h"

#include "gui/Glyphs.h"
#include "gui/TextImages.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace gui {

BitBtn::BitBtn(QWidget* client, const QString& name)
    : BitBtnBase(client, name)
{
    setAutoDefault(false);
    setFocusPolicy(Qt::StrongFocus);
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

void BitBtn::paintEvent(QPaintEvent* event)
{
    const qreal ratio = devicePixelRatioF();
    if (!drawsThroughImage(font(), ratio) || text().contains('&')) {
        QPushButton::paintEvent(event);
        return;
    }
    // A large caption: the face comes from the style, the glyph and the caption are drawn here,
    // centred together as the style would place them.
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButton, option);

    const QColor color =
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
    const TextImage& caption = textImage(text(), font(), color, ratio);
    constexpr int Gap = 4;
    const int contentWidth = iconSize().width() + Gap + caption.textSize.width();
    const int left = (width() - contentWidth) / 2;
    painter.drawPixmap(
        left, (height() - iconSize().height()) / 2,
        icon().pixmap(iconSize(), ratio, isEnabled() ? QIcon::Normal : QIcon::Disabled));
    const QPoint textTopLeft(left + iconSize().width() + Gap,
                             (height() - caption.textSize.height()) / 2);
    painter.drawImage(textTopLeft + caption.offset, caption.image);
}

void BitBtn::runClickHandler()
{
    if (onClick_) {
        // The handler may close or replace this button's form; keep a copy alive meanwhile.
        auto handler = onClick_;
        handler();
    }
}

} // namespace gui
