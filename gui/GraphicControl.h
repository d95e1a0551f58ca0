#pragma once

#include "gui/Control.h"

#include <QObject>
#include <functional>

class QPainter;
class QWidget;

namespace gui {

// A control without a window of its own: the form paints it in layout order and hit-tests it
// from the top for clicks and for the mouse cursor.
class GraphicControl : public QObject, public Control {
    Q_OBJECT
    Q_INTERFACES(gui::Control)

public:
    GraphicControl(QWidget* client, const QString& name);

    QString controlName() const override { return objectName(); }
    QObject* asObject() override { return this; }
    QRect bounds() const override { return rect_; }
    void setBounds(const QRect& bounds) override;
    bool isShown() const override { return visible_; }
    void setShown(bool shown) override;

    Qt::CursorShape cursor() const { return cursor_; }
    void setCursor(Qt::CursorShape cursor) { cursor_ = cursor; }

    void setOnClick(std::function<void()> handler) { onClick_ = std::move(handler); }
    bool hasClickHandler() const { return bool(onClick_); }
    void click();

    virtual void paint(QPainter& painter) const = 0;

protected:
    void repaint();
    QWidget* client() const;

    mutable QRect rect_;

private:
    bool visible_ = true;
    Qt::CursorShape cursor_ = Qt::ArrowCursor;
    std::function<void()> onClick_;
};

} // namespace gui
