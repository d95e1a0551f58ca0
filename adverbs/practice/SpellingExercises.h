#pragma once

namespace adverbs {

// Registers the spelling screens of the practice: exercises 7 (н or нн), 8 (after hushing
// consonants, balloons), 9 (-о or -а) and 10 (one word, two words or a hyphen, circles).
void registerSpellingExercises();

// Makes the instances of 7.б, 8.б and 10.б that the program creates at start, after the splash.
// They stay hidden for good: reaching these screens always opens new instances.
void createStartUpInstances();

} // namespace adverbs
