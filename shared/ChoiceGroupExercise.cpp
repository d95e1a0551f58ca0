#include "shared/ChoiceGroupExercise.h"

#include <algorithm>
#include <stdexcept>

namespace shared {

ChoiceGroupExercise::ChoiceGroupExercise(ChoiceGroupDeclaration declaration)
    : ExerciseScreen(std::move(declaration.setup))
    , groups_(std::move(declaration.groups))
{
    const ChoiceRule rule = declaration.rule;
    QStringList clearable = declaration.clearableOptions;
    for (const ChoiceGroup& group : groups_) {
        std::vector<gui::Label*> members;
        for (const QString& option : group.options)
            members.push_back(&label(option));
        for (gui::Label* member : members) {
            const bool clears = clearable.removeAll(member->controlName()) > 0;
            onClick(member->controlName(), [member, members, rule, clears] {
                if (clears && isSelected(*member))
                    member->setColor(UnselectedColor);
                else
                    chooseOption(*member, members, rule);
            });
        }
    }
    if (!clearable.isEmpty())
        throw std::logic_error(
            ("clearable options in no group: " + clearable.join(", ")).toStdString());
}

bool ChoiceGroupExercise::answerIsRight() const
{
    return std::all_of(groups_.begin(), groups_.end(),
                       [this](const ChoiceGroup& group) { return isSelected(label(group.key)); });
}

} // namespace shared
