#pragma once

#include <QObject>
#include <QRect>
#include <QString>
#include <vector>

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

// Sizes that a layout keeps as designed while the rest of its screen scales.
struct Unscaled {
    bool width = false;
    bool height = false;
};

// The letters a mark stands over or under: a stretch of a label's text.
struct MarkTarget {
    QString label;
    QString letters; // as the layout gives them: the marked ones in brackets, within their word
    qsizetype from = 0;
    qsizetype length = 0;
};

// What every control of a layout offers the screen code and the fitting: its name, kind, bounds
// on the form's client area and, where it has text, its font size in points.
class Control {
public:
    virtual ~Control() = default;

    virtual ControlKind kind() const = 0;
    virtual QString controlName() const = 0;
    // The Qt object behind the control, for qobject_cast to the control's own class.
    virtual QObject* asObject() = 0;

    virtual QRect bounds() const = 0;
    virtual void setBounds(const QRect& bounds) = 0;
    // The top-left corner alone, which a control may know without measuring itself.
    virtual QPoint position() const { return bounds().topLeft(); }
    virtual int fontSize() const { return 0; }
    // Fits a control's font to the display: the size it reports, and the scale it is drawn at.
    virtual void fitFont(int, qreal) {}

    virtual bool isShown() const = 0;
    virtual void setShown(bool shown) = 0;

    Unscaled unscaled() const { return unscaled_; }
    void setUnscaled(Unscaled unscaled) { unscaled_ = unscaled; }
    // A mark is meant to lie over text: a stress mark, an underline, a crossing-out stroke.
    bool isMark() const { return mark_; }
    void setMark(bool mark) { mark_ = mark; }
    // What a mark marks, where the layout says so.
    const std::vector<MarkTarget>& markTargets() const { return targets_; }
    void setMarkTargets(std::vector<MarkTarget> targets) { targets_ = std::move(targets); }

private:
    Unscaled unscaled_;
    bool mark_ = false;
    std::vector<MarkTarget> targets_;
};

} // namespace gui

Q_DECLARE_INTERFACE(gui::Control, "textbooks.gui.Control")
