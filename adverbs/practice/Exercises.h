#pragma once

namespace adverbs {

// Registers the exercise screens of the practice: exercises 1, 2, 3 and 5.
void registerExercises();

} // namespace adverbs
