#include "shared/ExerciseScreen.h"

#include "shared/Options.h"

namespace shared {

ExerciseScreen::ExerciseScreen(ExerciseSetup setup)
    : Screen({setup.id, setup.placement, setup.closeButton, {}})
    , setup_(std::move(setup))
{
    // A picture or shape the layout lacks fails now, not on the first right answer.
    for (const QString& picture : setup_.revealedPictures)
        image(picture);
    for (const RevealedShape& revealed : setup_.revealedShapes)
        shape(revealed.shape);
    onClick(setup_.answerButton, [this] { checkAnswer(); });
}

void ExerciseScreen::checkAnswer()
{
    if (!CheckAnswer({answerIsRight()}))
        return;
    for (const QString& picture : setup_.revealedPictures)
        image(picture).setShown(true);
    for (const RevealedShape& revealed : setup_.revealedShapes)
        shape(revealed.shape).setBrushColor(revealed.color);
    setup_.rightAnswerStep(*this);
}

} // namespace shared
