#include "shared/WordToggleExercise.h"

#include "shared/Options.h"

#include <algorithm>

namespace shared {

WordToggleExercise::WordToggleExercise(WordToggleDeclaration declaration)
    : ExerciseScreen(std::move(declaration.setup))
    , words_(std::move(declaration.words))
    , keys_(std::move(declaration.keys))
    , freeWords_(std::move(declaration.freeWords))
{
    for (const QString& word : words_)
        onClick(word, [this, word] { toggleOption(label(word)); });
    for (const ForwardedClick& forwarded : declaration.forwardedClicks) {
        gui::Label* word = &label(forwarded.word);
        onClick(forwarded.control, [word] { toggleOption(*word); });
    }
}

bool WordToggleExercise::answerIsRight() const
{
    return std::all_of(words_.begin(), words_.end(), [this](const QString& word) {
        if (freeWords_.contains(word))
            return true;
        const gui::Label& option = label(word);
        return keys_.contains(word) ? isSelected(option) : option.color() == UnselectedColor;
    });
}

} // namespace shared
