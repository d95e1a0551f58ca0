#include "gui/BitBtn.h"

#include "gui/Glyphs.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <cmath>

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
    if (text().contains('&')) {
        QPushButton::paintEvent(event);
        if (hasFocus()) {
            QPainter painter(this);
            paintFocusFrame(painter);
        }
        return;
    }
    // The face comes from the style; the glyph, at its own size, and the caption, at its exact
    // scale, are centred together as the style would place them.
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    option.icon = QIcon();
    painter.drawControl(QStyle::CE_PushButton, option);

    const ScaledText caption = this->caption();
    const QSizeF captionSize = caption.size();
    constexpr int Gap = 4;
    const qreal contentWidth = iconSize().width() + Gap + captionSize.width();
    const qreal left = std::round((width() - contentWidth) / 2);
    const qreal ratio = devicePixelRatioF();
    painter.drawPixmap(
        int(left), (height() - iconSize().height()) / 2,
        icon().pixmap(iconSize(), ratio, isEnabled() ? QIcon::Normal : QIcon::Disabled));
    const QColor color =
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
    caption.draw(
        painter,
        QPointF(left + iconSize().width() + Gap, std::round((height() - captionSize.height()) / 2)),
        color);
    if (hasFocus())
        paintFocusFrame(painter);
}

// A dotted frame a few pixels inside the face, in the caption's colour: the style's own sign of
// focus, a border one shade darker, is lost on a pupil.
void BitBtn::paintFocusFrame(QPainter& painter) const
{
    const qreal inset = std::max(3L, std::lround(3 * caption().scale)) + 0.5;
    painter.save();
    painter.setPen(QPen(palette().color(QPalette::Active, QPalette::ButtonText), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
    painter.restore();
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
