#include "adverbs/practice/PracticeProgress.h"

#include <algorithm>

namespace adverbs {

PracticeProgress& practiceProgress()
{
    static PracticeProgress progress;
    return progress;
}

bool CompletionGate(const PracticeProgress& progress)
{
    const auto& done = progress.PracticeDone;
    return std::all_of(done.begin(), done.end(), [](bool flag) { return flag; }) &&
           !progress.CongratsShown;
}

} // namespace adverbs
