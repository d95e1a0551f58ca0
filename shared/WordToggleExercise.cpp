#include "shared/WordToggleExercise.h"

#include "shared/Options.h"

#include <algorithm>

namespace shared {

WordToggleExercise::WordToggleExercise(WordToggleDeclaration declaration)
    : ExerciseScreen(std::move(declaration.setup))
    , words_(std::move(declaration.words))
    , keys_(std::move(declaration.keys))
{
    for (const QString& word : words_)
        onClick(word, [this, word] { toggleOption(label(word)); });
}

bool WordToggleExercise::answerIsRight() const
{
    return std::all_of(words_.begin(), words_.end(), [this](const QString& word) {
        const gui::Label& option = label(word);
        return keys_.contains(word) ? isSelected(option) : option.color() == UnselectedColor;
    });
}

} // namespace shared
