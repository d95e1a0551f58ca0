#include "gui/Form.h"

#include "gui/ClientArea.h"
#include "gui/ControlTypes.h"
#include "gui/WindowFrame.h"

#include <QApplication>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace gui {

Form::Form(const FormId& id)
    : id_(id)
{
    setObjectName(id.className);
    hide();
    client_ = new ClientArea(this);
    const LayoutSpec& layout = layoutAt(id.layoutPath);
    caption_ = layout.caption;
    designClient_ = layout.client;
    border_ = layout.border;
    client_->setBackground(layout.color);
    int untabbed = 1000;
    for (const ControlSpec& described : layout.controls)
        addControl(controlTypeOf(described.kind).build(client_, described),
                   described.tab.value_or(untabbed++));
    const WindowFrame frame = border_ == BorderStyle::Tool ? ToolWindowFrame : WindowFrame{0, 0};
    setWindowBounds(QRect(0, 0, designClient_.width() + 2 * frame.border,
                          designClient_.height() + 2 * frame.border + frame.titleHeight));
}

Form::~Form()
{
    emit destroying();
}

QWidget* Form::clientArea() const
{
    return client_;
}

Color Form::color() const
{
    return client_->background();
}

void Form::fail(const QString& control, const QString& message) const
{
    QString text = id_.layoutPath + ".yaml";
    if (!control.isEmpty())
        text += ": " + control;
    throw LayoutError((text + ": " + message).toStdString());
}

void Form::addControl(Control* control, int tabIndex)
{
    controls_.push_back(control);
    QObject* object = control->asObject();
    if (auto* graphic = qobject_cast<GraphicControl*>(object))
        client_->addGraphic(graphic);
    if (auto* button = qobject_cast<BitBtn*>(object))
        connect(button, &QPushButton::clicked, this, [this, button] { buttonClicked(*button); });
    if (auto* widget = qobject_cast<QWidget*>(object);
        widget && widget->focusPolicy() != Qt::NoFocus)
        tabStops_.emplace_back(tabIndex, widget);
}

void Form::buttonClicked(BitBtn& button)
{
    if (button.buttonKind() == ButtonKind::Close) {
        Close();
        return;
    }
    if (isModal()) {
        switch (button.buttonKind()) {
        case ButtonKind::OK:
            setModalResult(ModalResult::OK);
            break;
        case ButtonKind::Cancel:
            setModalResult(ModalResult::Cancel);
            break;
        default:
            setModalResult(ModalResult::Ignore);
            break;
        }
    }
    button.runClickHandler();
}

void Form::setWindowBounds(const QRect& bounds)
{
    setGeometry(bounds);
    // Hidden widgets get their resize events only when shown; lay out the client area now.
    client_->setGeometry(border_ == BorderStyle::Tool ? ToolWindowFrame.client(rect()) : rect());
    for (Control* control : controls_)
        if (auto* bar = qobject_cast<StatusBar*>(control->asObject()))
            bar->alignToBottom();
}

void Form::setActive(bool active)
{
    active_ = active;
    update();
}

void Form::paintEvent(QPaintEvent*)
{
    if (border_ != BorderStyle::Tool)
        return;
    QPainter painter(this);
    ToolWindowFrame.paint(painter, rect(), caption_, active_);
}

void Form::mousePressEvent(QMouseEvent* event)
{
    if (border_ == BorderStyle::Tool && event->button() == Qt::LeftButton &&
        ToolWindowFrame.closeBox(rect()).contains(event->position().toPoint()))
        Close();
}

Control* Form::findControl(const QString& name) const
{
    auto it = std::find_if(controls_.begin(), controls_.end(),
                           [&](Control* c) { return c->controlName() == name; });
    return it == controls_.end() ? nullptr : *it;
}

void Form::onClick(const QString& name, std::function<void()> handler)
{
    Control* control = findControl(name);
    if (!control)
        fail(name, "click handler bound to a control that the layout lacks");
    QObject* object = control->asObject();
    if (control->isMark())
        fail(name, "a mark takes no clicks: they reach the control beneath it");
    if (auto* graphic = qobject_cast<GraphicControl*>(object))
        graphic->setOnClick(std::move(handler));
    else if (auto* button = qobject_cast<BitBtn*>(object))
        button->setOnClick(std::move(handler));
    else if (auto* check = qobject_cast<QAbstractButton*>(object))
        connect(check, &QAbstractButton::clicked, check, [handler] { handler(); });
    else
        fail(name, "this kind of control takes no clicks");
}

void Form::Show()
{
    if (isHidden())
        FormShow();
    show();
    emit shown();
}

int Form::ShowModal()
{
    modalResult_ = ModalResult::None;
    if (isHidden())
        FormShow();
    show();
    QEventLoop loop;
    modalLoop_ = &loop;
    emit modalRunStarted();
    if (modalResult_ == ModalResult::None)
        loop.exec();
    modalLoop_ = nullptr;
    hide();
    emit modalRunEnded();
    return modalResult_;
}

void Form::setModalResult(int result)
{
    modalResult_ = result;
    if (modalLoop_ && result != ModalResult::None)
        modalLoop_->exit(result);
}

void Form::Close()
{
    if (isModal()) {
        setModalResult(ModalResult::Cancel);
        return;
    }
    if (mainForm_) {
        emit mainFormClosed();
        return;
    }
    hide();
    emit hidden();
}

std::vector<QWidget*> Form::tabOrder() const
{
    std::vector<std::pair<int, QWidget*>> stops = tabStops_;
    std::stable_sort(stops.begin(), stops.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<QWidget*> order;
    for (const auto& [index, widget] : stops)
        if (!widget->isHidden() && widget->isEnabled())
            order.push_back(widget);
    return order;
}

void Form::restoreFocus()
{
    if (lastFocus_ && !lastFocus_->isHidden() && lastFocus_->isEnabled()) {
        lastFocus_->setFocus(Qt::OtherFocusReason);
        return;
    }
    const std::vector<QWidget*> order = tabOrder();
    if (!order.empty())
        order.front()->setFocus(Qt::TabFocusReason);
    else
        setFocus(Qt::OtherFocusReason);
}

void Form::setEnterButton(const QString& control, const QString& button)
{
    Control* found = findControl(control);
    if (!found)
        fail(control, "no such control");
    auto* widget = qobject_cast<QWidget*>(found->asObject());
    if (!widget)
        fail(control, "a graphic control never has the keyboard focus");
    enterButtons_.emplace_back(widget, &this->button(button));
}

bool Form::handleKey(int key, Qt::KeyboardModifiers modifiers)
{
    const std::vector<QWidget*> order = tabOrder();
    QWidget* focus = QApplication::focusWidget();
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        if (auto* focused = qobject_cast<BitBtn*>(focus); focused && isAncestorOf(focused)) {
            focused->click();
            return true;
        }
        for (const auto& [control, button] : enterButtons_)
            if (control == focus && !button->isHidden() && button->isEnabled()) {
                button->click();
                return true;
            }
        if (BitBtn* button = firstButtonOfKind(ButtonKind::OK))
            button->click();
        return true;
    }
    case Qt::Key_Escape:
        if (BitBtn* button = firstButtonOfKind(ButtonKind::Cancel)) {
            button->click();
            return true;
        }
        return false;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        if (order.empty())
            return true;
        const bool back = key == Qt::Key_Backtab || (modifiers & Qt::ShiftModifier);
        auto it = std::find(order.begin(), order.end(), focus);
        int index = it == order.end() ? (back ? 0 : -1) : int(it - order.begin());
        index = (index + (back ? -1 : 1) + int(order.size())) % int(order.size());
        order[index]->setFocus(back ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        return true;
    }
    default:
        return false;
    }
}

BitBtn* Form::firstButtonOfKind(ButtonKind kind) const
{
    for (Control* control : controls_) {
        auto* button = qobject_cast<BitBtn*>(control->asObject());
        if (button && button->buttonKind() == kind && !button->isHidden() && button->isEnabled())
            return button;
    }
    return nullptr;
}

GraphicControl* Form::graphicControlAt(const QPoint& clientPoint) const
{
    return client_->graphicAt(clientPoint);
}

} // namespace gui
