#pragma once

#include <QString>
#include <vector>

namespace gui {
class Form;
}

namespace russian {

// One exercise screen of the practice and the screen that its right answer opens.
struct ChainStep {
    QString screen;
    QString next;
};

inline const QString CongratulationScreen = "TForm28";

// The practice as one fixed chain of exercise screens, from the first to the congratulation. It
// keeps no state: every screen is made anew each time it opens.
const std::vector<ChainStep>& practiceChain();
// The screen that follows an exercise screen; throws for a screen that is not in the chain.
const QString& nextInChain(const QString& screen);

// What an exercise screen does after a right answer (and its revealed pictures): praise, close,
// then open the next screen of the chain.
void goOn(gui::Form& screen);

} // namespace russian
