#pragma once

#include "shared/ExerciseScreen.h"

namespace shared {

// A text whose every word is an option label; a click marks or unmarks the word (the toggle
// rule). Right: every key word marked and every other word exactly unmarked.
struct WordToggleDeclaration {
    ExerciseSetup setup;
    QStringList words;
    QStringList keys;
};

class WordToggleExercise : public ExerciseScreen {
public:
    explicit WordToggleExercise(WordToggleDeclaration declaration);

protected:
    bool answerIsRight() const override;

private:
    QStringList words_;
    QStringList keys_;
};

} // namespace shared
