#pragma once

#include "shared/ExerciseScreen.h"

#include <vector>

namespace shared {

// A control whose click toggles a word of the text in its stead (a full stop standing close
// after its word); the control itself never changes.
struct ForwardedClick {
    QString control;
    QString word;
};

// A text whose every word is an option label; a click marks or unmarks the word (the toggle
// rule). Right: every key word marked and every other word exactly unmarked. Free words toggle
// like the others, but marked or not they never decide the answer.
struct WordToggleDeclaration {
    ExerciseSetup setup;
    QStringList words;
    QStringList keys;
    QStringList freeWords = {};
    std::vector<ForwardedClick> forwardedClicks = {};
};

class WordToggleExercise : public ExerciseScreen {
public:
    explicit WordToggleExercise(WordToggleDeclaration declaration);

protected:
    bool answerIsRight() const override;

private:
    QStringList words_;
    QStringList keys_;
    QStringList freeWords_;
};

} // namespace shared
