#include "shared/CheckBoxExercise.h"

#include <algorithm>

namespace shared {

CheckBoxExercise::CheckBoxExercise(CheckBoxDeclaration declaration)
    : ExerciseScreen(std::move(declaration.setup))
{
    for (const QString& key : declaration.keys)
        checkBox(key); // a key the layout lacks fails now, not on the first answer
    for (gui::Control* control : controls())
        if (control->kind() == gui::ControlKind::CheckBox)
            boxes_.emplace_back(qobject_cast<const gui::CheckBox*>(control->asObject()),
                                declaration.keys.contains(control->controlName()));
}

bool CheckBoxExercise::answerIsRight() const
{
    return std::all_of(boxes_.begin(), boxes_.end(),
                       [](const auto& box) { return box.first->isChecked() == box.second; });
}

} // namespace shared
