#pragma once

#include <QRect>
#include <QString>

namespace gui {

enum class ControlKind {
    Label,
    Shape,
    Image,
    Chart,
    BitBtn,
    RadioButton,
    CheckBox,
    Edit,
    StatusBar,
    Timer
};

// What every control of a layout offers the screen code and the fitting: its name, kind, bounds
// on the form's client area and, where it has text, its font size in points.
class Control {
public:
    virtual ~Control() = default;

    virtual ControlKind kind() const = 0;
    virtual QString controlName() const = 0;

    virtual QRect bounds() const = 0;
    virtual void setBounds(const QRect& bounds) = 0;
    // The top-left corner alone, which a control may know without measuring itself.
    virtual QPoint position() const { return bounds().topLeft(); }
    virtual int fontSize() const { return 0; }
    virtual void setFontSize(int) {}

    virtual bool isShown() const = 0;
    virtual void setShown(bool shown) = 0;
};

} // namespace gui
