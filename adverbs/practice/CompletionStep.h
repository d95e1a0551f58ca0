#pragma once

#include <QString>

namespace gui {
class Form;
}

namespace adverbs {

enum class Praise { Shown, Skipped };

// What an exercise screen does after a right answer (and its revealed pictures): record its
// exercise as done if it completes one, praise, then close and open the congratulation when the
// completion gate holds, else the next screen of the chain.
void completeStep(gui::Form& screen, Praise praise);

} // namespace adverbs
