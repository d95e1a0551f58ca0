#include "adverbs/Program.h"

#include "adverbs/practice/Congratulation.h"
#include "adverbs/practice/Exercises.h"
#include "adverbs/practice/PracticeMenu.h"
#include "shared/Screens.h"

namespace adverbs {

void registerPracticeScreens()
{
    shared::registerScreen("TForm16", [] { return std::make_unique<TForm16>(); });
    shared::registerScreen("TForm27", [] { return std::make_unique<TForm27>(); });
    registerExercises();
}

} // namespace adverbs
