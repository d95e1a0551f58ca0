#include "russian/practice/StressMarkExercise.h"

#include <algorithm>
#include <stdexcept>

namespace russian {

StressMarkExercise::StressMarkExercise(StressMarkDeclaration declaration)
    : ExerciseScreen(std::move(declaration.setup))
    , words_(std::move(declaration.words))
{
    for (const StressedWord& word : words_) {
        const bool keyed = std::any_of(
            word.syllables.begin(), word.syllables.end(),
            [&word](const Syllable& syllable) { return syllable.mark == word.stressed; });
        if (!keyed)
            throw std::logic_error(
                ("stress mark " + word.stressed + " is no mark of its word").toStdString());
        for (const Syllable& syllable : word.syllables) {
            label(syllable.mark);
            onClick(syllable.label, [this, &word, &syllable] { markSyllable(word, syllable); });
        }
    }
}

void StressMarkExercise::markSyllable(const StressedWord& word, const Syllable& clicked)
{
    label(clicked.mark).setShown(true);
    for (const Syllable& syllable : word.syllables)
        if (syllable.mark != clicked.mark)
            label(syllable.mark).setShown(false);
}

bool StressMarkExercise::answerIsRight() const
{
    return std::all_of(words_.begin(), words_.end(),
                       [this](const StressedWord& word) { return label(word.stressed).isShown(); });
}

} // namespace russian
