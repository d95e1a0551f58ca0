#include "adverbs/Program.h"

#include "adverbs/practice/Congratulation.h"
#include "adverbs/practice/Exercises.h"
#include "adverbs/practice/GameExercises.h"
#include "adverbs/practice/PracticeMenu.h"
#include "adverbs/practice/SpellingExercises.h"

namespace adverbs {

void registerPracticeScreens()
{
    shared::registerDeclaredScreen<TForm16>();
    shared::registerDeclaredScreen<TForm27>();
    registerExercises();
    registerSpellingExercises();
    registerGameExercises();
}

} // namespace adverbs
