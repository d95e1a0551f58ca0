#include "gui/Display.h"

#include "gui/Form.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <algorithm>
#include <optional>

namespace gui {
namespace {

std::optional<QSize> windowedSize;

std::optional<QSize> parseSize(const QByteArray& text)
{
    const QList<QByteArray> parts = text.toLower().split('x');
    if (parts.size() != 2)
        return std::nullopt;
    bool okWidth = false, okHeight = false;
    const int width = parts[0].toInt(&okWidth);
    const int height = parts[1].toInt(&okHeight);
    if (!okWidth || !okHeight || width < 200 || height < 150 || width > 16384 || height > 16384)
        return std::nullopt;
    return QSize(width, height);
}

// The largest 4:3 rectangle centred in the host.
QRect centred4by3(const QSize& host)
{
    QSize size(host.width(), host.width() * 3 / 4);
    if (size.height() > host.height())
        size = QSize(host.height() * 4 / 3, host.height());
    return QRect(QPoint((host.width() - size.width()) / 2, (host.height() - size.height()) / 2),
                 size);
}

class HostWindow : public QWidget {
public:
    HostWindow()
    {
        setWindowTitle(QApplication::applicationDisplayName());
        setAutoFillBackground(true);
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, Qt::black);
        setPalette(palette);
    }
};

bool isInputEvent(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

} // namespace

Display& Display::instance()
{
    static Display* display = new Display();
    return *display;
}

Display::Display()
{
    if (!windowedSize)
        windowedSize = parseSize(qgetenv("TEXTBOOK_DISPLAY"));
}

void Display::useWindowed(QSize size)
{
    windowedSize = size;
    if (Display& display = instance(); display.host_)
        display.reset();
}

void Display::ensureHost()
{
    if (host_)
        return;
    qApp->installEventFilter(this);
    host_ = new HostWindow();
    area_ = new QWidget(host_);
    area_->setObjectName("display");
    // The desktop behind the screens, seen where no screen covers the display.
    area_->setAutoFillBackground(true);
    QPalette desktop = area_->palette();
    desktop.setColor(QPalette::Window, QColor(58, 110, 165));
    area_->setPalette(desktop);
    if (windowedSize) {
        host_->setFixedSize(*windowedSize);
        area_->setGeometry(QRect(QPoint(0, 0), *windowedSize));
        host_->show();
    } else {
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        host_->setGeometry(screen);
        area_->setGeometry(centred4by3(screen.size()));
        host_->showFullScreen();
    }
    host_->activateWindow();
    QApplication::setActiveWindow(host_);
}

QWidget* Display::area()
{
    ensureHost();
    return area_;
}

int Display::width()
{
    return area()->width();
}

int Display::height()
{
    return area()->height();
}

std::vector<Form*> Display::visibleForms() const
{
    std::vector<Form*> visible;
    for (Form* form : stack_)
        if (form->isVisible())
            visible.push_back(form);
    return visible;
}

void Display::attach(Form* form)
{
    const QRect bounds = form->geometry();
    form->setParent(area());
    form->setGeometry(bounds);
    // Direct connections: the display has followed each change before the form goes on.
    connect(
        form, &Form::shown, this, [this, form] { formShown(form); }, Qt::DirectConnection);
    connect(
        form, &Form::hidden, this, [this, form] { formHidden(form); }, Qt::DirectConnection);
    connect(
        form, &Form::destroying, this, [this, form] { formDestroyed(form); }, Qt::DirectConnection);
    connect(
        form, &Form::modalRunStarted, this,
        [this, form] {
            bringToFront(form);
            beginModal(form);
        },
        Qt::DirectConnection);
    connect(
        form, &Form::modalRunEnded, this, [this, form] { endModal(form); }, Qt::DirectConnection);
}

void Display::bringToFront(Form* form)
{
    std::erase(stack_, form);
    stack_.push_back(form);
    form->raise();
    for (const QPointer<QWidget>& window : modal_)
        if (window)
            window->raise();
    if (!modalWindow() || modalWindow() == form)
        activate(form);
}

void Display::formShown(Form* form)
{
    bringToFront(form);
}

void Display::formHidden(Form* form)
{
    if (active_ == form) {
        form->setActive(false);
        active_ = nullptr;
        activateTopmost();
    }
}

void Display::formDestroyed(Form* form)
{
    std::erase(stack_, form);
    if (active_ == form) {
        active_ = nullptr;
        activateTopmost();
    }
}

void Display::beginModal(QWidget* window)
{
    modal_.push_back(window);
    window->raise();
    if (Form* form = qobject_cast<Form*>(window))
        activate(form);
}

void Display::endModal(QWidget* window)
{
    std::erase_if(modal_, [window](const QPointer<QWidget>& w) { return !w || w == window; });
    if (Form* form = qobject_cast<Form*>(window); form && active_ == form) {
        form->setActive(false);
        active_ = nullptr;
        activateTopmost();
    } else if (active_) {
        active_->restoreFocus();
    }
}

QWidget* Display::modalWindow() const
{
    for (auto it = modal_.rbegin(); it != modal_.rend(); ++it)
        if (*it)
            return *it;
    return nullptr;
}

void Display::activateTopmost()
{
    if (Form* modal = qobject_cast<Form*>(modalWindow())) {
        activate(modal);
        return;
    }
    for (auto it = stack_.rbegin(); it != stack_.rend(); ++it) {
        if ((*it)->isVisible()) {
            activate(*it);
            return;
        }
    }
}

void Display::activate(Form* form)
{
    if (active_ == form)
        return;
    if (active_)
        active_->setActive(false);
    active_ = form;
    form->setActive(true);
    form->restoreFocus();
    form->FormActivate();
}

bool Display::blockedByModal(QWidget* widget) const
{
    QWidget* modal = modalWindow();
    return modal && widget && modal != widget && !modal->isAncestorOf(widget);
}

bool Display::eventFilter(QObject* watched, QEvent* event)
{
    QWidget* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !area_ || !(widget == host_ || host_->isAncestorOf(widget)))
        return false;

    if (event->type() == QEvent::FocusIn) {
        if (Form* form = formOf(widget); form && widget != form)
            form->rememberFocus(widget);
        return false;
    }
    if (!isInputEvent(event->type()))
        return false;

    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        QWidget* modal = modalWindow();
        if (modal && !qobject_cast<Form*>(modal))
            return blockedByModal(widget); // a message box handles its own keys
        if (event->type() == QEvent::ShortcutOverride)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        return active_ && active_->handleKey(key->key(), key->modifiers());
    }
    if (blockedByModal(widget))
        return true;
    // The second press of a double click is not a second click: a word toggles once, and a button
    // that opened a screen under the mouse does not press what lies there. An edit field keeps it
    // to select a word.
    if (event->type() == QEvent::MouseButtonDblClick && !qobject_cast<QLineEdit*>(widget))
        return true;
    if (event->type() == QEvent::MouseButtonPress) {
        if (Form* form = formOf(widget); form && form != active_)
            bringToFront(form);
    }
    return false;
}

void Display::reset()
{
    stack_.clear();
    modal_.clear();
    active_ = nullptr;
    delete host_;
}

Form* formOf(QWidget* widget)
{
    for (QWidget* w = widget; w; w = w->parentWidget())
        if (Form* form = qobject_cast<Form*>(w))
            return form;
    return nullptr;
}

} // namespace gui
