#include "shared/ExerciseScreen.h"

#include "gui/Label.h"
#include "gui/Shape.h"
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
    if (setup_.opaqueLabels)
        makeLabelsOnShapesOpaque();
}

void ExerciseScreen::makeLabelsOnShapesOpaque()
{
    for (gui::Control* control : controls()) {
        auto* label = qobject_cast<gui::Label*>(control->asObject());
        if (!label || label->isMark())
            continue;
        // The design position: measuring the text here would measure it twice, before and
        // after the screen is fitted.
        const QPoint at = label->position();
        for (const RevealedShape& revealed : setup_.revealedShapes)
            if (shape(revealed.shape).bounds().contains(at)) {
                label->setBackground(color());
                break;
            }
    }
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
