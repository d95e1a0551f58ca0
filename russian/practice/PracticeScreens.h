#pragma once

#include "russian/practice/PracticeChain.h"
#include "shared/ExerciseScreen.h"
#include "shared/Screens.h"

namespace russian {

// Registers the exercise screens of the practice chain and the congratulation.
void registerPracticeScreens();

// What every exercise screen of the chain shares: its layout in this folder, the lower half of the
// display, the chain's step after a right answer and the pictures that answer reveals.
shared::ExerciseSetup practiceScreen(const QString& className, QStringList revealedPictures = {});

// Registers an exercise screen of a kind with the screen its right answer opens.
template <class Screen, class Declaration> void registerExercise(const Declaration& declaration)
{
    const QString& className = declaration.setup.id.className;
    shared::registerScreen(className,
                           [declaration] { return std::make_unique<Screen>(declaration); },
                           {nextInChain(className)});
}

// The choice-group exercises and the stress marks (ChoiceExercises.cpp).
void registerChoiceExercises();

} // namespace russian
