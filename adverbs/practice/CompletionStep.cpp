#include "adverbs/practice/CompletionStep.h"

#include "adverbs/practice/PracticeChain.h"
#include "adverbs/practice/PracticeProgress.h"
#include "gui/Form.h"
#include "shared/Messages.h"
#include "shared/Screens.h"

namespace adverbs {

void completeStep(gui::Form& screen, Praise praise)
{
    const ChainLink& link = chainLink(screen.className());
    PracticeProgress& progress = practiceProgress();
    if (link.completes)
        progress.PracticeDone[*link.completes] = true;
    if (praise == Praise::Shown)
        shared::PraiseMessage();
    const bool congratulate = link.completes && CompletionGate(progress);

    // Closing hands activation to the screen below; when that is the practice menu, its own gate
    // may open the congratulation before this screen gets to, so it is opened only once.
    screen.Close();
    if (congratulate) {
        if (!progress.CongratsShown)
            shared::OpenForm(CongratulationScreen);
        return;
    }
    if (!link.next.isEmpty())
        shared::OpenForm(link.next);
}

} // namespace adverbs
