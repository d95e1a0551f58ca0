#pragma once

#include "gui/Control.h"

#include <QStringList>
#include <QWidget>

namespace gui {

// A bar of text panels along the bottom of the client area. It keeps its own height and
// spans the full width; the last panel reaches the right edge.
class StatusBar : public QWidget, public Control {
    Q_OBJECT
    Q_INTERFACES(gui::Control)

public:
    static constexpr int Height = 19;

    StatusBar(QWidget* client, const QString& name);

    ControlKind kind() const override { return ControlKind::StatusBar; }
    QString controlName() const override { return objectName(); }
    QObject* asObject() override { return this; }
    QRect bounds() const override { return geometry(); }
    void setBounds(const QRect&) override { alignToBottom(); }
    bool isShown() const override { return !isHidden(); }
    void setShown(bool shown) override { setVisible(shown); }

    void setPanelWidths(const std::vector<int>& widths);
    int panelCount() const { return int(widths_.size()); }
    QString panelText(int panel) const;
    void setPanelText(int panel, const QString& text);

    // Follows the client area's size.
    void alignToBottom();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<int> widths_;
    QStringList texts_;
};

} // namespace gui
