#pragma once

namespace adverbs {

// Registers every screen class of the adverb course.
void registerScreens();
void registerPracticeScreens();

// The start-up sequence: the main menu, the splash, then the event loop until "Выход".
int run(int argc, char** argv);

} // namespace adverbs
