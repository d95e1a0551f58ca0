#pragma once

#include "shared/Screens.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

namespace adverbs {

// One exercise screen's place in the practice chain. A screen that completes an exercise sets
// that exercise's element of PracticeDone and runs the completion gate; a first part of a
// two-part exercise does neither and always goes on to its second part.
struct ChainLink {
    QString screen;
    std::optional<int> completes; // index into PracticeDone
    QString next;                 // empty: the chain ends here
};

inline const QString CongratulationScreen = "TForm27";

// The fixed order in which exercise screens open one another on right answers.
const std::vector<ChainLink>& practiceChain();
// The link of an exercise screen; throws for a screen that is not in the chain.
const ChainLink& chainLink(const QString& screen);
// What a right answer on the screen can open: the next screen of the chain and, when it
// completes an exercise, the congratulation.
QStringList chainSuccessors(const QString& screen);

// Registers an exercise screen of the chain, made of its declaration.
template <class Screen, class Declaration>
void registerChainScreen(const QString& className, const Declaration& declaration)
{
    shared::registerScreen(
        className, [declaration] { return std::make_unique<Screen>(declaration); },
        chainSuccessors(className));
}

} // namespace adverbs
