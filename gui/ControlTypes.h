#pragma once

#include "gui/Control.h"

#include <QString>
#include <QStringList>
#include <vector>

class QWidget;

namespace gui {

struct ControlSpec;

// One kind of control as the layouts know it: the name prefix that gives the kind, the key that
// places it (none for a control without bounds), the further keys its entry may use, and how a
// form builds it.
struct ControlType {
    QString prefix;
    ControlKind kind;
    QString placeKey;
    QStringList keys;
    Control* (*build)(QWidget* client, const ControlSpec& described);
};

const std::vector<ControlType>& controlTypes();
// The type that a control's name gives (its longest matching prefix), or null.
const ControlType* controlTypeNamed(const QString& controlName);
const ControlType& controlTypeOf(ControlKind kind);

} // namespace gui
