#pragma once

#include "shared/ChoiceGroupExercise.h"
#include "shared/Screen.h"

#include <QStringList>
#include <vector>

namespace adverbs {

// One stage of the path: its labels and its pairs of options, each pair with its right option as
// key. The labels of every stage but the first are hidden until the stage is reached.
struct PathStage {
    QStringList labels;
    std::vector<shared::ChoiceGroup> pairs;
};

// A staircase climbed one stage at a time by a figure; each step takes it onto the next drawn
// tread.
struct PathGameDeclaration {
    gui::FormId id;
    std::vector<PathStage> stages;
    QString figure;                  // the picture that climbs
    QStringList treads;              // one a stage, lowest first
    QString closeButton = "BitBtn1"; // "Закрыть"
};

// The path game: no check button and no retry message. Each pair follows the guarded choice
// rule; a click on a right option that finds every right option of its stage chosen completes
// the stage, once: the next stage appears and the figure climbs one step. The last stage's
// completion completes the exercise.
class PathGameExercise : public shared::Screen {
public:
    explicit PathGameExercise(PathGameDeclaration declaration);

private:
    void rightOptionChosen(std::size_t stage);
    bool stageIsRight(std::size_t stage) const;
    // Onto the stage's tread as it is drawn now: left by its width, the feet on its line.
    void climbOneStep(std::size_t stage);

    PathGameDeclaration declaration_;
    std::vector<bool> completed_;
};

} // namespace adverbs
