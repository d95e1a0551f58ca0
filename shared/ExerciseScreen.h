#pragma once

#include "gui/Form.h"
#include "shared/Fitting.h"

#include <QStringList>
#include <functional>

namespace shared {

// What a course does once an exercise screen is answered right and its pictures are shown: its
// own sequence of praise, progress and next screen.
using RightAnswerStep = std::function<void(gui::Form& screen)>;

// What every exercise screen of the practice has in common: the layout, where it goes on the
// display, the hidden pictures that a right answer reveals (before any praise, so they show
// while the message is up) and the course's step after a right answer.
struct ExerciseFrame {
    QString layoutPath;
    Placement placement;
    QStringList revealedPictures;
    RightAnswerStep rightAnswerStep;
};

// An exercise screen: "Ответил" (BitBtn2) checks the answer, "Закрыть" (BitBtn1) closes the
// screen and nothing else. A wrong answer shows the retry message and changes nothing.
class ExerciseScreen : public gui::Form {
public:
    void FormCreate() override;
    void BitBtn2Click();
    void BitBtn1Click();

protected:
    explicit ExerciseScreen(ExerciseFrame frame);

    // The screen's tests on its option labels; true when every one holds.
    virtual bool answerIsRight() const = 0;

private:
    ExerciseFrame frame_;
};

} // namespace shared
