#pragma once

#include <array>

namespace adverbs {

// The practice progress of one run of the program, never saved: one flag per exercise of the
// practice menu (element i is exercise i+1) and whether the congratulation has been shown.
// Flags are only ever set.
struct PracticeProgress {
    static constexpr int ExerciseCount = 10;

    std::array<bool, ExerciseCount> PracticeDone{};
    bool CongratsShown = false;
};

// The program's store.
PracticeProgress& practiceProgress();

// Every exercise done and the congratulation not shown yet: the congratulation is due.
bool CompletionGate(const PracticeProgress& progress);

} // namespace adverbs
