#include "adverbs/practice/Exercises.h"

#include "adverbs/practice/CompletionStep.h"
#include "shared/ChoiceGroupExercise.h"
#include "shared/Screens.h"
#include "shared/WordToggleExercise.h"

namespace adverbs {
namespace {

using shared::ChoiceGroupDeclaration;
using shared::ChoiceRule;
using shared::WordToggleDeclaration;

shared::ExerciseFrame practiceFrame(const QString& unit, Praise praise,
                                    QStringList revealedPictures = {})
{
    return {"adverbs/practice/" + unit, shared::Placement::AdverbsPractice,
            std::move(revealedPictures),
            [praise](gui::Form& screen) { completeStep(screen, praise); }};
}

// 1. The adverbs of a spring poem.
WordToggleDeclaration exercise1()
{
    return {practiceFrame("unit17", Praise::Shown, {"Image1"}),
            {"Label13", "Label2",  "Label3",  "Label4",  "Label5",  "Label6",  "Label7",
             "Label8",  "Label9",  "Label10", "Label11", "Label12", "Label14", "Label15",
             "Label16", "Label36", "Label17", "Label37", "Label18", "Label19", "Label20",
             "Label21", "Label22", "Label23", "Label24", "Label25", "Label26", "Label27",
             "Label28", "Label29", "Label30", "Label31", "Label32", "Label33", "Label34"},
            {"Label5", "Label10", "Label11", "Label16", "Label21"}};
}

// 2.а) and 2.б) Adverb or adjective: "нареч.," / "прил." after each highlighted word.
ChoiceGroupDeclaration exercise2a()
{
    return {practiceFrame("unit18", Praise::Shown),
            ChoiceRule::GuardedUnselected,
            {{{"Label5", "Label6"}, "Label5"},
             {{"Label11", "Label12"}, "Label12"},
             {{"Label18", "Label19"}, "Label19"},
             {{"Label25", "Label26"}, "Label25"}}};
}

ChoiceGroupDeclaration exercise2b()
{
    return {practiceFrame("unit19", Praise::Shown),
            ChoiceRule::GuardedUnselected,
            {{{"Label5", "Label6"}, "Label5"},
             {{"Label10", "Label11"}, "Label10"},
             {{"Label18", "Label19"}, "Label19"},
             {{"Label23", "Label24"}, "Label24"}}};
}

// 3.а) The adverb for each set phrase; it moves on to 3.б) without a word.
ChoiceGroupDeclaration exercise3a()
{
    return {practiceFrame("unit20", Praise::Skipped),
            ChoiceRule::Unconditional,
            {{{"Label3", "Label4", "Label5", "Label6"}, "Label5"},
             {{"Label10", "Label14", "Label11", "Label12"}, "Label11"},
             {{"Label18", "Label19", "Label20", "Label21"}, "Label21"},
             {{"Label25", "Label26", "Label27", "Label28"}, "Label25"}}};
}

// 3.б) The odd one out.
ChoiceGroupDeclaration exercise3b()
{
    return {practiceFrame("unit46", Praise::Shown),
            ChoiceRule::Unconditional,
            {{{"Label13", "Label2", "Label3", "Label4"}, "Label3"}}};
}

// 5. One word ("а,") or two ("б").
ChoiceGroupDeclaration exercise5()
{
    return {practiceFrame("unit22", Praise::Shown),
            ChoiceRule::GuardedUnselected,
            {{{"Label5", "Label4"}, "Label5"},
             {{"Label7", "Label8"}, "Label8"},
             {{"Label10", "Label12"}, "Label10"},
             {{"Label15", "Label16"}, "Label16"},
             {{"Label18", "Label20"}, "Label18"},
             {{"Label22", "Label23"}, "Label23"},
             {{"Label25", "Label27"}, "Label27"},
             {{"Label29", "Label30"}, "Label29"},
             {{"Label32", "Label34"}, "Label34"},
             {{"Label36", "Label37"}, "Label36"}}};
}

template <class Screen, class Declaration>
void registerExercise(const QString& className, Declaration (*declaration)())
{
    shared::registerScreen(className,
                           [declaration] { return std::make_unique<Screen>(declaration()); });
}

} // namespace

void registerExercises()
{
    registerExercise<shared::WordToggleExercise>("TForm17", exercise1);
    registerExercise<shared::ChoiceGroupExercise>("TForm18", exercise2a);
    registerExercise<shared::ChoiceGroupExercise>("TForm19", exercise2b);
    registerExercise<shared::ChoiceGroupExercise>("TForm20", exercise3a);
    registerExercise<shared::ChoiceGroupExercise>("TForm46", exercise3b);
    registerExercise<shared::ChoiceGroupExercise>("TForm22", exercise5);
}

} // namespace adverbs
