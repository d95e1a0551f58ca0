#include "gui/MessageBox.h"

#include "gui/Display.h"
#include "gui/Font.h"
#include "gui/WindowFrame.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

namespace gui {
namespace {

MessageBox::Observer observer;

constexpr int Margin = 12;
constexpr int IconSize = 32;

} // namespace

void MessageBox::setObserver(Observer newObserver)
{
    observer = std::move(newObserver);
}

MessageBox::MessageBox(QWidget* display, const QString& text)
    : QWidget(display)
{
    setObjectName("MessageBox");
    const QFont font = Font{}.toQFont();
    setFont(font);

    icon_ = new QLabel(this);
    icon_->setPixmap(
        style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(IconSize, IconSize));
    icon_->setFixedSize(IconSize, IconSize);

    text_ = new QLabel(text, this);
    text_->setObjectName("text");
    text_->setTextFormat(Qt::PlainText);
    text_->setWordWrap(true);
    const int maxTextWidth = display->width() / 2;
    const QFontMetrics metrics(font);
    const QRect natural =
        metrics.boundingRect(QRect(0, 0, maxTextWidth, 100000), Qt::TextWordWrap, text);
    const QSize textSize(std::min(maxTextWidth, natural.width() + 2), natural.height());

    ok_ = new QPushButton("OK", this);
    ok_->setObjectName("OK");
    ok_->setFixedSize(75, 23);
    connect(ok_, &QPushButton::clicked, this, [this] { dismiss(); });
    // The box's keyboard is its button: focusing the box focuses it.
    setFocusProxy(ok_);

    const QRect clientTemplate(0, 0, Margin * 3 + IconSize + textSize.width(),
                               Margin * 3 + std::max(IconSize, textSize.height()) + ok_->height());
    const QSize windowSize(clientTemplate.width() + 2 * DialogFrame.border,
                           clientTemplate.height() + 2 * DialogFrame.border +
                               DialogFrame.titleHeight);
    setGeometry(QRect(QPoint((display->width() - windowSize.width()) / 2,
                             (display->height() - windowSize.height()) / 2),
                      windowSize));
    const QRect client = DialogFrame.client(rect());
    icon_->move(client.left() + Margin, client.top() + Margin);
    text_->setGeometry(client.left() + 2 * Margin + IconSize, client.top() + Margin,
                       textSize.width(), std::max(textSize.height(), IconSize));
    text_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ok_->move(client.left() + (client.width() - ok_->width()) / 2,
              client.bottom() - Margin - ok_->height() + 1);
}

void MessageBox::information(const QString& text)
{
    Display& display = Display::instance();
    auto* box = new MessageBox(display.area(), text);
    QEventLoop loop;
    box->loop_ = &loop;
    box->show();
    display.beginModal(box);
    box->ok_->setFocus(Qt::OtherFocusReason);
    if (observer) {
        QPointer<MessageBox> guard(box);
        QTimer::singleShot(0, box, [guard] {
            if (guard && observer)
                observer(*guard);
        });
    }
    loop.exec();
    display.endModal(box);
    delete box;
}

QString MessageBox::text() const
{
    return text_->text();
}

void MessageBox::dismiss()
{
    if (loop_)
        loop_->exit();
}

void MessageBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    DialogFrame.paint(painter, rect(), title(), true);
    painter.fillRect(DialogFrame.client(rect()), Qt::white);
}

void MessageBox::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        dismiss();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void MessageBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton &&
        DialogFrame.closeBox(rect()).contains(event->position().toPoint()))
        dismiss();
}

} // namespace gui
