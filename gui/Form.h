#pragma once

#include "gui/BitBtn.h"
#include "gui/ButtonControls.h"
#include "gui/Chart.h"
#include "gui/Color.h"
#include "gui/Image.h"
#include "gui/Label.h"
#include "gui/Layout.h"
#include "gui/LayoutError.h"
#include "gui/Shape.h"
#include "gui/StatusBar.h"
#include "gui/Timer.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

class QEventLoop;

namespace gui {

namespace ModalResult {
inline constexpr int None = 0;
inline constexpr int OK = 1;
inline constexpr int Cancel = 2;
inline constexpr int Ignore = 5;
} // namespace ModalResult

class ClientArea;

// Which screen class a form is and where its layout lies (a resource path without extension,
// for example "adverbs/test/unit28").
struct FormId {
    QString className;
    QString layoutPath;
};

// A screen: a window on the display with a layout of controls and its event handlers. It is
// created hidden; Show puts it on top of the others without waiting. A form tells the display
// and the application what happens to it through its signals.
class Form : public QWidget {
    Q_OBJECT

public:
    // Builds the form and its controls from its layout.
    explicit Form(const FormId& id);
    ~Form() override;

    // Creation handler: runs once the layout is loaded, through Application.
    virtual void FormCreate() {}
    // Show handler: runs each time the form is made visible, before it appears.
    virtual void FormShow() {}
    // Activate handler: runs whenever the form becomes the active form.
    virtual void FormActivate() {}

    void Show();
    // Shows the form modally: other forms take no input until a modal result is set; returns it.
    int ShowModal();
    // Hides the form; on the main form ends the program; on a modal form ends the modal run.
    void Close();

    bool isModal() const { return modalLoop_ != nullptr; }
    int modalResult() const { return modalResult_; }
    void setModalResult(int result);

    // Set by the application on the form whose Close ends the program.
    void setMainForm(bool main) { mainForm_ = main; }
    // Set by the display; the title bar of a tool window shows it.
    void setActive(bool active);

    QString className() const { return id_.className; }
    QString layoutPath() const { return id_.layoutPath; }
    QString caption() const { return caption_; }
    QSize designClientSize() const { return designClient_; }
    BorderStyle borderStyle() const { return border_; }
    Color color() const;
    QWidget* clientArea() const;

    // The window's bounds on the display (the frame of a tool window included).
    void setWindowBounds(const QRect& bounds);

    const std::vector<Control*>& controls() const { return controls_; }
    Control* findControl(const QString& name) const;
    template <class T> T& get(const QString& name) const;
    Label& label(const QString& name) const { return get<Label>(name); }
    BitBtn& button(const QString& name) const { return get<BitBtn>(name); }
    RadioButton& radio(const QString& name) const { return get<RadioButton>(name); }
    CheckBox& checkBox(const QString& name) const { return get<CheckBox>(name); }
    Image& image(const QString& name) const { return get<Image>(name); }
    Shape& shape(const QString& name) const { return get<Shape>(name); }

    // Binds a click handler to a label, shape, image, button, radio button or check box.
    void onClick(const QString& name, std::function<void()> handler);

    // While the control has the keyboard focus, Enter clicks this button instead of the form's
    // first default button.
    void setEnterButton(const QString& control, const QString& button);

    // Keyboard handling of the active form: Enter, Esc, Tab. Returns whether the key was used.
    bool handleKey(int key, Qt::KeyboardModifiers modifiers);
    // Gives the keyboard focus back to the control that had it, else to the first in tab order.
    void restoreFocus();
    void rememberFocus(QWidget* widget) { lastFocus_ = widget; }
    std::vector<QWidget*> tabOrder() const;

    // The graphic control that a click at the client point reaches (the topmost visible one that is
    // no mark).
    GraphicControl* graphicControlAt(const QPoint& clientPoint) const;

signals:
    // Show made the form visible and wants it on top.
    void shown();
    // Close hid the form.
    void hidden();
    // Close on the main form: the program ends.
    void mainFormClosed();
    void modalRunStarted();
    void modalRunEnded();
    void destroying();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    // The first visible, enabled button of the kind in layout order: the default or cancel button.
    BitBtn* firstButtonOfKind(ButtonKind kind) const;
    [[noreturn]] void fail(const QString& control, const QString& message) const;
    void addControl(Control* control, int tabIndex);
    // What a button's kind does on a click, then its handler.
    void buttonClicked(BitBtn& button);

    FormId id_;
    QString caption_;
    QSize designClient_;
    BorderStyle border_ = BorderStyle::None;
    ClientArea* client_ = nullptr;
    std::vector<Control*> controls_;
    std::vector<std::pair<int, QWidget*>> tabStops_;
    std::vector<std::pair<QWidget*, BitBtn*>> enterButtons_;
    QPointer<QWidget> lastFocus_;
    QEventLoop* modalLoop_ = nullptr;
    int modalResult_ = ModalResult::None;
    bool mainForm_ = false;
    bool active_ = false;
};

template <class T> T& Form::get(const QString& name) const
{
    Control* control = findControl(name);
    if (!control)
        fail(name, "no such control");
    T* typed = qobject_cast<T*>(control->asObject());
    if (!typed)
        fail(name, "control of another kind");
    return *typed;
}

} // namespace gui
