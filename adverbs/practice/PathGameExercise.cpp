#include "adverbs/practice/PathGameExercise.h"

#include "adverbs/practice/CompletionStep.h"
#include "shared/Options.h"

#include <algorithm>

namespace adverbs {

PathGameExercise::PathGameExercise(PathGameDeclaration declaration)
    : Screen({declaration.id, shared::Placement::AdverbsPractice, declaration.closeButton, {}})
    , declaration_(std::move(declaration))
    , completed_(declaration_.stages.size(), false)
{
    image(declaration_.figure);
    for (const QString& name : declaration_.treads)
        shape(name);
    for (std::size_t stage = 0; stage < declaration_.stages.size(); ++stage) {
        for (const QString& name : declaration_.stages[stage].labels)
            label(name);
        for (const shared::ChoiceGroup& pair : declaration_.stages[stage].pairs) {
            std::vector<gui::Label*> options;
            for (const QString& option : pair.options)
                options.push_back(&label(option));
            for (gui::Label* option : options) {
                const bool right = option->controlName() == pair.key;
                onClick(option->controlName(), [this, option, options, right, stage] {
                    shared::chooseOption(*option, options, shared::ChoiceRule::GuardedUnselected);
                    if (right)
                        rightOptionChosen(stage);
                });
            }
        }
    }
}

void PathGameExercise::rightOptionChosen(std::size_t stage)
{
    if (completed_[stage] || !stageIsRight(stage))
        return;
    completed_[stage] = true;
    const bool last = stage + 1 == declaration_.stages.size();
    if (!last)
        for (const QString& name : declaration_.stages[stage + 1].labels)
            label(name).setShown(true);
    climbOneStep(stage);
    if (last)
        completeStep(*this, Praise::Shown);
}

bool PathGameExercise::stageIsRight(std::size_t stage) const
{
    const std::vector<shared::ChoiceGroup>& pairs = declaration_.stages[stage].pairs;
    return std::all_of(pairs.begin(), pairs.end(), [this](const shared::ChoiceGroup& pair) {
        return shared::isSelected(label(pair.key));
    });
}

void PathGameExercise::climbOneStep(std::size_t stage)
{
    // The feet are the picture's bottom row; they stand on the tread's line, however the
    // rounding of the scaled steps falls.
    gui::Image& figure = image(declaration_.figure);
    const QRect tread = shape(declaration_.treads[stage]).bounds();
    QRect bounds = figure.bounds();
    bounds.moveTop(tread.top() - figure.drawnPicture().height());
    bounds.moveLeft(bounds.left() - tread.width());
    figure.setBounds(bounds);
}

} // namespace adverbs
