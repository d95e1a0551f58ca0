#include "shared/ExerciseScreen.h"

#include "shared/Options.h"

namespace shared {

ExerciseScreen::ExerciseScreen(ExerciseSetup setup)
    : Screen({setup.id, setup.placement, setup.closeButton, {}})
    , setup_(std::move(setup))
{
    for (const QString& picture : setup_.revealedPictures)
        image(picture); // a picture the layout lacks fails now, not on the first right answer
    onClick(setup_.answerButton, [this] { checkAnswer(); });
}

void ExerciseScreen::checkAnswer()
{
    if (!CheckAnswer({answerIsRight()}))
        return;
    for (const QString& picture : setup_.revealedPictures)
        image(picture).setShown(true);
    setup_.rightAnswerStep(*this);
}

} // namespace shared
