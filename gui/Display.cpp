#include "gui/Display.h"

#include "gui/Form.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScreen>
#include <algorithm>
#include <memory>
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

bool isPointerEvent(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

bool isArrow(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
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
        area_->setGeometry(centred4by3(*windowedSize));
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

QWidget* Display::keyboardOwner() const
{
    if (QWidget* modal = modalWindow())
        return modal;
    return active_;
}

void Display::giveFocusTo(QWidget* owner)
{
    if (Form* form = qobject_cast<Form*>(owner)) {
        form->restoreFocus();
        return;
    }
    QWidget* last = owner->focusWidget();
    if (last && owner->isAncestorOf(last) && last->isVisible() && last->isEnabled())
        last->setFocus(Qt::OtherFocusReason);
    else
        owner->setFocus(Qt::OtherFocusReason);
}

// Qt moves the focus by itself: to a control clicked (before any filter sees the click, so also
// behind a modal window), along its own focus chain across every form of the host, and away from
// a form being hidden. Wherever that leads out of the window that owns the keyboard, the focus goes
// back into it.
bool Display::focusIn(QWidget* widget)
{
    QWidget* owner = keyboardOwner();
    // While the owner is being hidden the focus goes where Qt puts it, until the next form is
    // activated and takes it.
    if (!owner || !owner->isVisible())
        return false;
    if (widget == owner || owner->isAncestorOf(widget)) {
        if (Form* form = qobject_cast<Form*>(owner); form && widget != form)
            form->rememberFocus(widget);
        return false;
    }
    if (!refocusing_) {
        refocusing_ = true;
        giveFocusTo(owner);
        refocusing_ = false;
    }
    return true;
}

// The arrows on a button or check box move the focus along the form's tab order (left and up back,
// right and down on) and stop at its ends; on a radio button Qt moves the choice within the form's
// group, and an edit field keeps them for its cursor.
bool Display::moveByArrow(Form& form, QWidget* widget, int key)
{
    auto* button = qobject_cast<QAbstractButton*>(widget);
    if (!button || button->autoExclusive())
        return false;
    const std::vector<QWidget*> order = form.tabOrder();
    auto it = std::find(order.begin(), order.end(), widget);
    if (it == order.end())
        return true;
    const bool back = key == Qt::Key_Left || key == Qt::Key_Up;
    if (back && it != order.begin())
        (*std::prev(it))->setFocus(Qt::BacktabFocusReason);
    else if (!back && std::next(it) != order.end())
        (*std::next(it))->setFocus(Qt::TabFocusReason);
    return true;
}

bool Display::keyEvent(QWidget* widget, QEvent* event)
{
    QWidget* owner = keyboardOwner();
    const bool inside = owner && (widget == owner || owner->isAncestorOf(widget));
    if (event->type() == QEvent::Shortcut)
        return !inside;

    // A message box handles its own keys (its one button keeps the focus under the arrows) and
    // takes every key aimed elsewhere. A key that went up from the box's focus to the display is
    // done with; so is one that comes back while a key is passed on.
    if (owner && !qobject_cast<Form*>(owner)) {
        if (inside)
            return isArrow(event) && qobject_cast<QAbstractButton*>(widget);
        QWidget* focus = owner->focusWidget();
        const bool focusInside = focus && owner->isAncestorOf(focus);
        const bool goneUp =
            widget->isAncestorOf(owner) && focusInside && QApplication::focusWidget() == focus;
        if (event->type() != QEvent::ShortcutOverride && !goneUp && !forwarding_) {
            forwarding_ = true;
            const std::unique_ptr<QEvent> copy(event->clone());
            QCoreApplication::sendEvent(focusInside ? focus : owner, copy.get());
            forwarding_ = false;
        }
        return true;
    }
    // On a form: Enter, Esc and Tab as the form says, the arrows within it, and no key at all for a
    // control of another form.
    if (event->type() == QEvent::ShortcutOverride)
        return false;
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (active_ && active_->handleKey(key->key(), key->modifiers()))
            return true;
        if (inside && isArrow(event) && moveByArrow(*static_cast<Form*>(owner), widget, key->key()))
            return true;
    }
    return !inside;
}

bool Display::eventFilter(QObject* watched, QEvent* event)
{
    QWidget* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !area_ || !(widget == host_ || host_->isAncestorOf(widget)))
        return false;

    switch (event->type()) {
    case QEvent::FocusIn:
        return focusIn(widget);
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
        return keyEvent(widget, event);
    default:
        break;
    }
    if (!isPointerEvent(event->type()))
        return false;
    if (blockedByModal(widget))
        return true;
    // The second press of a double click is not a second click: a word toggles once, and a button
    // that opened a screen under the mouse does not press what lies there. An edit field keeps it
    // to select a word.
    if (event->type() == QEvent::MouseButtonDblClick && !qobject_cast<QLineEdit*>(widget))
        return true;
    if (event->type() == QEvent::MouseButtonPress) {
        if (Form* form = formOf(widget); form && form != active_) {
            bringToFront(form);
            // Qt gave the control the focus before the form was active, and it was taken back.
            for (QWidget* w = widget; w && w != form; w = w->parentWidget()) {
                if (w->isEnabled() && (w->focusPolicy() & Qt::ClickFocus)) {
                    w->setFocus(Qt::MouseFocusReason);
                    break;
                }
            }
        }
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
