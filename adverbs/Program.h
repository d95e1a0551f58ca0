#pragma once

namespace adverbs {

// Registers every screen class of the adverb course, and the screens it still lacks.
void registerScreens();
void registerPracticeScreens();

// The start-up sequence: the main menu, the splash, then the event loop until "Выход".
int run(int argc, char** argv);

} // namespace adverbs
