#pragma once

#include "shared/ExerciseScreen.h"
#include "shared/Options.h"

#include <vector>

namespace shared {

// A fixed group of option labels of which the pupil chooses one; key is the right one.
struct ChoiceGroup {
    QStringList options;
    QString key;
};

// Groups of options under one choice-group rule. Right: the key of every group chosen. A
// clearable option follows the rule while it is not chosen; a click on it when it is chosen
// unchooses it, so that its group has no choice again.
struct ChoiceGroupDeclaration {
    ExerciseSetup setup;
    ChoiceRule rule;
    std::vector<ChoiceGroup> groups;
    QStringList clearableOptions = {};
};

class ChoiceGroupExercise : public ExerciseScreen {
public:
    explicit ChoiceGroupExercise(ChoiceGroupDeclaration declaration);

protected:
    bool answerIsRight() const override;

private:
    std::vector<ChoiceGroup> groups_;
};

} // namespace shared
