#pragma once

#include "shared/ExerciseScreen.h"

#include <vector>

namespace russian {

// A syllable label and the hidden stress mark that lies over its vowel.
struct Syllable {
    QString label;
    QString mark;
};

// A word split into clickable syllables; stressed is the mark the answer needs.
struct StressedWord {
    std::vector<Syllable> syllables;
    QString stressed;
};

struct StressMarkDeclaration {
    shared::ExerciseSetup setup;
    std::vector<StressedWord> words;
};

// Words whose stressed syllable the pupil marks. A click on a syllable shows its mark and hides
// the word's other marks: a word shows at most one mark, and once marked it can move its mark
// but not lose it. Marks of other words are never touched. Right: every word's stressed mark
// shown, which leaves no other mark of the word.
class StressMarkExercise : public shared::ExerciseScreen {
public:
    explicit StressMarkExercise(StressMarkDeclaration declaration);

protected:
    bool answerIsRight() const override;

private:
    void markSyllable(const StressedWord& word, const Syllable& clicked);

    std::vector<StressedWord> words_;
};

} // namespace russian
