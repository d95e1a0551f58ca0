#include "Program.h"

#include "Congratulation.h"
#include "Exercises.h"
#include "PracticeMenu.h"
#include "Screens.h"

namespace adverbs {

void registerPracticeScreens()
{
    frame::registerScreen("TForm16", [] { return std::make_unique<TForm16>(); });
    frame::registerScreen("TForm27", [] { return std::make_unique<TForm27>(); });
    registerExercises();
}

} // namespace adverbs
