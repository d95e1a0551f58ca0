#pragma once

namespace adverbs {

// Registers the contents page TForm1 and the theory pages TForm2 to TForm15.
void registerTheoryScreens();

} // namespace adverbs
