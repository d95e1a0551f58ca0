#pragma once

namespace adverbs {

// Registers the fifteen test questions TForm28 to TForm42 and the result screen TForm43.
void registerTestScreens();

} // namespace adverbs
