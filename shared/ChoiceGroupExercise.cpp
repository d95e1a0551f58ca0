#include "shared/ChoiceGroupExercise.h"

#include <algorithm>

namespace shared {

ChoiceGroupExercise::ChoiceGroupExercise(ChoiceGroupDeclaration declaration)
    : ExerciseScreen(std::move(declaration.setup))
    , groups_(std::move(declaration.groups))
{
    const ChoiceRule rule = declaration.rule;
    for (const ChoiceGroup& group : groups_) {
        std::vector<gui::Label*> members;
        for (const QString& option : group.options)
            members.push_back(&label(option));
        for (gui::Label* member : members)
            onClick(member->controlName(),
                    [member, members, rule] { chooseOption(*member, members, rule); });
    }
}

bool ChoiceGroupExercise::answerIsRight() const
{
    return std::all_of(groups_.begin(), groups_.end(),
                       [this](const ChoiceGroup& group) { return isSelected(label(group.key)); });
}

} // namespace shared
