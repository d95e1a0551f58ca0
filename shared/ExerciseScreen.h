#pragma once

#include "gui/Color.h"
#include "shared/Screen.h"

#include <QStringList>
#include <functional>
#include <vector>

namespace shared {

// What a course does once an exercise screen is answered right and its pictures and shapes are
// shown: its own sequence of praise, progress and next screen.
using RightAnswerStep = std::function<void(gui::Form& screen)>;

// A shape that a right answer fills with a colour.
struct RevealedShape {
    QString shape;
    gui::Color color;
};

// What every exercise screen of the practice declares: its class and layout, where it goes on the
// display, its two buttons, the hidden pictures and the shape colours that a right answer reveals
// (all at once and before any praise, so they show while the message is up) and the course's step
// after a right answer.
struct ExerciseSetup {
    gui::FormId id;
    Placement placement;
    QStringList revealedPictures;
    RightAnswerStep rightAnswerStep;
    QString answerButton = "BitBtn2"; // "Ответил", "Я ответил/а": checks the answer
    QString closeButton = "BitBtn1";  // "Закрыть"
    std::vector<RevealedShape> revealedShapes = {};
    // The labels that stand in those shapes (but the marks, which lie over other text) paint the
    // screen's background behind their text, so a word stays readable on a shape that a right
    // answer fills.
    bool opaqueLabels = false;
};

// An exercise screen: the answer button checks the answer, the close button closes the screen and
// does nothing else. A wrong answer shows the retry message and changes nothing.
class ExerciseScreen : public Screen {
public:
    void checkAnswer();

protected:
    explicit ExerciseScreen(ExerciseSetup setup);

    // The screen's tests on its controls; true when every one holds.
    virtual bool answerIsRight() const = 0;

private:
    void makeLabelsOnShapesOpaque();

    ExerciseSetup setup_;
};

} // namespace shared
