#pragma once

#include "shared/ExerciseScreen.h"

#include <vector>

namespace gui {
class CheckBox;
}

namespace shared {

// Check boxes that the pupil ticks and clears freely; a box does nothing else. Right: every key
// box ticked and every other box of the screen clear.
struct CheckBoxDeclaration {
    ExerciseSetup setup;
    QStringList keys;
};

class CheckBoxExercise : public ExerciseScreen {
public:
    explicit CheckBoxExercise(CheckBoxDeclaration declaration);

protected:
    bool answerIsRight() const override;

private:
    // Every check box of the layout, in layout order, and whether it must be ticked.
    std::vector<std::pair<const gui::CheckBox*, bool>> boxes_;
};

} // namespace shared
