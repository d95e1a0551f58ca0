#include "gui/ControlTypes.h"

#include "gui/BitBtn.h"
#include "gui/ButtonControls.h"
#include "gui/ControlSpec.h"
#include "gui/Chart.h"
#include "gui/Image.h"
#include "gui/Label.h"
#include "gui/Shape.h"
#include "gui/StatusBar.h"
#include "gui/Timer.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace gui {
namespace {

template <class T> T* placed(T* control, const ControlSpec& described)
{
    control->setBounds(described.rect);
    control->setShown(described.visible);
    control->setMark(described.mark);
    control->setMarkTargets(described.marks);
    control->setUnscaled(described.unscaled);
    return control;
}

Control* buildLabel(QWidget* client, const ControlSpec& described)
{
    auto* label = new Label(client, described.name);
    label->setFont(described.font);
    label->setText(described.text.value_or(QString()));
    label->setCursor(described.cursor);
    return placed(label, described);
}

Control* buildShape(QWidget* client, const ControlSpec& described)
{
    auto* shape = new Shape(client, described.name);
    shape->setShape(described.shape);
    shape->setPenColor(described.pen);
    if (described.brush)
        shape->setBrushColor(*described.brush);
    else
        shape->setBrushClear(true);
    shape->setCursor(described.cursor);
    return placed(shape, described);
}

Control* buildImage(QWidget* client, const ControlSpec& described)
{
    auto* image = new Image(client, described.name);
    image->setPicture(described.image, described.picture);
    image->setCursor(described.cursor);
    return placed(image, described);
}

Control* buildChart(QWidget* client, const ControlSpec& described)
{
    return placed(new Chart(client, described.name), described);
}

Control* buildBitBtn(QWidget* client, const ControlSpec& described)
{
    auto* button = new BitBtn(client, described.name);
    button->setButtonKind(described.buttonKind);
    button->setText(described.text.value_or(BitBtn::stockCaption(described.buttonKind)));
    button->setTextFont(described.font);
    return placed(button, described);
}

template <class Button> Control* buildCheckable(QWidget* client, const ControlSpec& described)
{
    auto* button = new Button(client, described.name);
    button->setText(described.text.value_or(QString()));
    button->setTextFont(described.font);
    button->setChecked(described.checked);
    button->setFocusPolicy(Qt::StrongFocus);
    return placed(button, described);
}

Control* buildEdit(QWidget* client, const ControlSpec& described)
{
    auto* edit = new Edit(client, described.name);
    edit->setTextFont(described.font);
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setText(described.text.value_or(QString()));
    return placed(edit, described);
}

Control* buildStatusBar(QWidget* client, const ControlSpec& described)
{
    auto* bar = new StatusBar(client, described.name);
    bar->setPanelWidths(described.panels);
    bar->setShown(described.visible);
    return bar;
}

Control* buildTimer(QWidget* client, const ControlSpec& described)
{
    auto* timer = new Timer(client, described.name);
    timer->setInterval(described.interval);
    timer->setEnabled(described.enabled);
    return timer;
}

const QStringList fontKeys = {"font", "size", "style", "color"};

} // namespace

const std::vector<ControlType>& controlTypes()
{
    static const std::vector<ControlType> types = {
        {"Label", ControlKind::Label, "at", QStringList{"text", "cursor", "mark", "on"} + fontKeys,
         buildLabel},
        {"Shape",
         ControlKind::Shape,
         "rect",
         {"shape", "pen", "brush", "cursor", "mark", "on", "unscaled"},
         buildShape},
        {"Image",
         ControlKind::Image,
         "rect",
         {"picture", "cursor", "mark", "on", "unscaled"},
         buildImage},
        {"Chart", ControlKind::Chart, "rect", {}, buildChart},
        {"BitBtn", ControlKind::BitBtn, "rect", QStringList{"kind", "text", "tab"} + fontKeys,
         buildBitBtn},
        {"RadioButton", ControlKind::RadioButton, "rect",
         QStringList{"text", "tab", "checked"} + fontKeys, buildCheckable<RadioButton>},
        {"CheckBox", ControlKind::CheckBox, "rect",
         QStringList{"text", "tab", "checked"} + fontKeys, buildCheckable<CheckBox>},
        {"Edit", ControlKind::Edit, "rect", QStringList{"text", "tab"} + fontKeys, buildEdit},
        {"StatusBar", ControlKind::StatusBar, "", {"panels"}, buildStatusBar},
        {"Timer", ControlKind::Timer, "", {"interval", "enabled"}, buildTimer},
    };
    return types;
}

const ControlType* controlTypeNamed(const QString& controlName)
{
    const ControlType* best = nullptr;
    for (const ControlType& type : controlTypes())
        if (controlName.startsWith(type.prefix) &&
            (!best || type.prefix.size() > best->prefix.size()))
            best = &type;
    return best;
}

const ControlType& controlTypeOf(ControlKind kind)
{
    const std::vector<ControlType>& types = controlTypes();
    auto it = std::find_if(types.begin(), types.end(),
                           [kind](const ControlType& type) { return type.kind == kind; });
    if (it == types.end())
        throw std::logic_error("a control kind without a type");
    return *it;
}

} // namespace gui
