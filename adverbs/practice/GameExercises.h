#pragma once

namespace adverbs {

// Registers the two game screens of the practice: the crossword (exercise 4) and the staircase
// (exercise 6).
void registerGameExercises();

} // namespace adverbs
