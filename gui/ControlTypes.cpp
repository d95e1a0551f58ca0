#include "gui/ControlTypes.h"

#include "gui/BitBtn.h"
#include "gui/ButtonControls.h"
#include "gui/Chart.h"
#include "gui/Image.h"
#include "gui/Label.h"
#include "gui/Layout.h"
#include "gui/Shape.h"
#include "gui/StatusBar.h"
#include "gui/Timer.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace gui {
namespace {

template <class T> T* placed(T* control, const ControlSpec& spec)
{
    control->setBounds(spec.rect);
    control->setShown(spec.visible);
    control->setMark(spec.mark);
    control->setUnscaled(spec.unscaled);
    return control;
}

Control* buildLabel(QWidget* client, const ControlSpec& spec)
{
    auto* label = new Label(client, spec.name);
    label->setFont(spec.font);
    label->setText(spec.text.value_or(QString()));
    label->setCursor(spec.cursor);
    return placed(label, spec);
}

Control* buildShape(QWidget* client, const ControlSpec& spec)
{
    auto* shape = new Shape(client, spec.name);
    shape->setShape(spec.shape);
    shape->setPenColor(spec.pen);
    if (spec.brush)
        shape->setBrushColor(*spec.brush);
    else
        shape->setBrushClear(true);
    shape->setCursor(spec.cursor);
    return placed(shape, spec);
}

Control* buildImage(QWidget* client, const ControlSpec& spec)
{
    auto* image = new Image(client, spec.name);
    image->setPicture(spec.image);
    image->setCursor(spec.cursor);
    return placed(image, spec);
}

Control* buildChart(QWidget* client, const ControlSpec& spec)
{
    return placed(new Chart(client, spec.name), spec);
}

Control* buildBitBtn(QWidget* client, const ControlSpec& spec)
{
    auto* button = new BitBtn(client, spec.name);
    button->setButtonKind(spec.buttonKind);
    button->setText(spec.text.value_or(BitBtn::stockCaption(spec.buttonKind)));
    button->setTextFont(spec.font);
    return placed(button, spec);
}

template <class Button> Control* buildCheckable(QWidget* client, const ControlSpec& spec)
{
    auto* button = new Button(client, spec.name);
    button->setText(spec.text.value_or(QString()));
    button->setTextFont(spec.font);
    button->setChecked(spec.checked);
    button->setFocusPolicy(Qt::StrongFocus);
    return placed(button, spec);
}

Control* buildEdit(QWidget* client, const ControlSpec& spec)
{
    auto* edit = new Edit(client, spec.name);
    edit->setTextFont(spec.font);
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setText(spec.text.value_or(QString()));
    return placed(edit, spec);
}

Control* buildStatusBar(QWidget* client, const ControlSpec& spec)
{
    auto* bar = new StatusBar(client, spec.name);
    bar->setPanelWidths(spec.panels);
    bar->setShown(spec.visible);
    return bar;
}

Control* buildTimer(QWidget* client, const ControlSpec& spec)
{
    auto* timer = new Timer(client, spec.name);
    timer->setInterval(spec.interval);
    timer->setEnabled(spec.enabled);
    return timer;
}

const QStringList fontKeys = {"font", "size", "style", "color"};

} // namespace

const std::vector<ControlType>& controlTypes()
{
    static const std::vector<ControlType> types = {
        {"Label", ControlKind::Label, "at", QStringList{"text", "cursor", "mark"} + fontKeys,
         buildLabel},
        {"Shape",
         ControlKind::Shape,
         "rect",
         {"shape", "pen", "brush", "cursor", "mark", "unscaled"},
         buildShape},
        {"Image",
         ControlKind::Image,
         "rect",
         {"picture", "cursor", "mark", "unscaled"},
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
