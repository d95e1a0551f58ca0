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

// Groups of options under one choice-group rule. Right: the key of every group chosen.
struct ChoiceGroupDeclaration {
    ExerciseSetup setup;
    ChoiceRule rule;
    std::vector<ChoiceGroup> groups;
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
