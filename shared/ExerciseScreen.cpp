#include "shared/ExerciseScreen.h"

#include "shared/Options.h"

namespace shared {

ExerciseScreen::ExerciseScreen(ExerciseFrame frame)
    : Form(frame.layoutPath)
    , frame_(std::move(frame))
{
    for (const QString& picture : frame_.revealedPictures)
        image(picture); // a picture the layout lacks fails now, not on the first right answer
    onClick("BitBtn2", [this] { BitBtn2Click(); });
    onClick("BitBtn1", [this] { BitBtn1Click(); });
}

void ExerciseScreen::FormCreate()
{
    FitToScreen(*this, frame_.placement);
}

void ExerciseScreen::BitBtn2Click()
{
    if (!CheckAnswer({answerIsRight()}))
        return;
    for (const QString& picture : frame_.revealedPictures)
        image(picture).setShown(true);
    frame_.rightAnswerStep(*this);
}

void ExerciseScreen::BitBtn1Click()
{
    Close();
}

} // namespace shared
