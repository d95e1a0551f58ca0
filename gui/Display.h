#pragma once

#include <QObject>
#include <QPointer>
#include <QSize>
#include <QWidget>
#include <vector>

namespace gui {

class Form;

// The screen the programs measure and draw on: the largest 4:3 area centred in one host window.
// By default the host is full-screen; the environment variable TEXTBOOK_DISPLAY=WIDTHxHEIGHT
// gives a window of exactly that size instead, with the display in it by the same rule.
//
// The display also keeps the stacking order of the forms on it and which of them is active: the
// modal one, else the topmost visible one. The keyboard belongs to the modal window, else to the
// active form: the focus never rests on a control of another window, and no key reaches one.
class Display : public QObject {
    Q_OBJECT

public:
    static Display& instance();

    // Sets a host window of an exact size; the next use of the display takes it.
    static void useWindowed(QSize size);

    QWidget* area();
    int width();
    int height();
    static constexpr int PixelsPerInch = 96;

    Form* activeForm() const { return active_; }
    std::vector<Form*> visibleForms() const;

    // Puts a new form on the display and follows what its signals tell.
    void attach(Form* form);

    // A modal window (a modal form, or the message box) takes all input until it ends.
    void beginModal(QWidget* window);
    void endModal(QWidget* window);
    QWidget* modalWindow() const;

    // Drops all forms and the host window (used between tests).
    void reset();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Display();
    void ensureHost();
    void formShown(Form* form);
    void formHidden(Form* form);
    void formDestroyed(Form* form);
    void bringToFront(Form* form);
    void activate(Form* form);
    void activateTopmost();
    bool blockedByModal(QWidget* widget) const;
    // The modal window, else the active form.
    QWidget* keyboardOwner() const;
    bool focusIn(QWidget* widget);
    bool keyEvent(QWidget* widget, QEvent* event);
    void giveFocusTo(QWidget* owner);
    bool moveByArrow(Form& form, QWidget* widget, int key);

    QPointer<QWidget> host_;
    QPointer<QWidget> area_;
    std::vector<Form*> stack_;
    std::vector<QPointer<QWidget>> modal_;
    Form* active_ = nullptr;
    bool refocusing_ = false;
    bool forwarding_ = false;
};

// The form a widget belongs to, if any.
Form* formOf(QWidget* widget);

} // namespace gui
