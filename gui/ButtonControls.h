#pragma once

#include "WindowedControl.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

namespace gui {

// All radio buttons of a form share its client area and so form one group.
using RadioButton = WindowedControl<QRadioButton, ControlKind::RadioButton>;
using CheckBox = WindowedControl<QCheckBox, ControlKind::CheckBox>;
// A single-line edit field without a length limit.
using Edit = WindowedControl<QLineEdit, ControlKind::Edit>;

} // namespace gui
