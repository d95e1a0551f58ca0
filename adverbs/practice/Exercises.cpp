#include "adverbs/practice/Exercises.h"

#include "adverbs/practice/CompletionStep.h"
#include "adverbs/practice/PracticeChain.h"
#include "shared/ChoiceGroupExercise.h"
#include "shared/Screens.h"
#include "shared/WordToggleExercise.h"

namespace adverbs {
namespace {

using shared::ChoiceGroupDeclaration;
using shared::ChoiceRule;
using shared::WordToggleDeclaration;

shared::ExerciseSetup practiceScreen(const QString& className, Praise praise,
                                     QStringList revealedPictures = {})
{
    return {shared::unitScreen("adverbs/practice", className), shared::Placement::AdverbsPractice,
            std::move(revealedPictures),
            [praise](gui::Form& screen) { completeStep(screen, praise); }};
}

// 1. The adverbs of a spring poem.
WordToggleDeclaration exercise1()
{
    return {practiceScreen("TForm17", Praise::Shown, {"Image1"}),
            {"Label13", "Label2",  "Label3",  "Label4",  "Label5",  "Label6",  "Label7",
             "Label8",  "Label9",  "Label10", "Label11", "Label12", "Label14", "Label15",
             "Label16", "Label36", "Label17", "Label37", "Label18", "Label19", "Label20",
             "Label21", "Label22", "Label23", "Label24", "Label25", "Label26", "Label27",
             "Label28", "Label29", "Label30", "Label31", "Label32", "Label33", "Label34"},
            {
                "Label5",  // "гурьбой"
                "Label10", // "Сперва"
                "Label11", // "понемножку"
                "Label16", // "Потом"
                "Label21", // "тихо"
            }};
}

// 2.а) and 2.б) Adverb or adjective: "нареч.," / "прил." after each highlighted word.
ChoiceGroupDeclaration exercise2a()
{
    return {practiceScreen("TForm18", Praise::Shown),
            ChoiceRule::GuardedUnselected,
            {
                {{"Label5", "Label6"}, "Label5"}, // "Котёнок ловко поймал": нареч.
                {{"Label11", "Label12"}, "Label12"}, // "Каждое его движение ловко": прил.
                {{"Label18", "Label19"}, "Label19"}, // "Сестра моложе брата": прил.
                {{"Label25", "Label26"}, "Label25"}, // "одевается моложе": нареч.
            }};
}

ChoiceGroupDeclaration exercise2b()
{
    return {practiceScreen("TForm19", Praise::Shown),
            ChoiceRule::GuardedUnselected,
            {
                {{"Label5", "Label6"}, "Label5"}, // "ветер дует мягче": нареч.
                {{"Label10", "Label11"}, "Label10"}, // "выше в небе вьются": нареч.
                {{"Label18", "Label19"}, "Label19"}, // "воздух легче": прил.
                {{"Label23", "Label24"}, "Label24"}, // "и теплей": прил.
            }};
}

// 3.а) The adverb for each set phrase; it moves on to 3.б) without a word.
ChoiceGroupDeclaration exercise3a()
{
    return {practiceScreen("TForm20", Praise::Skipped),
            ChoiceRule::Unconditional,
            {
                {{"Label3", "Label4", "Label5", "Label6"}, "Label5"}, // "неразборчиво"
                {{"Label10", "Label14", "Label11", "Label12"}, "Label11"}, // "неожиданно"
                {{"Label18", "Label19", "Label20", "Label21"}, "Label21"}, // "мало"
                {{"Label25", "Label26", "Label27", "Label28"}, "Label25"}, // "тесно"
            }};
}

// 3.б) The odd one out.
ChoiceGroupDeclaration exercise3b()
{
    return {practiceScreen("TForm46", Praise::Shown),
            ChoiceRule::Unconditional,
            {{{"Label13", "Label2", "Label3", "Label4"}, "Label3"}}}; // "мало"
}

// 5. One word ("а,") or two ("б").
ChoiceGroupDeclaration exercise5()
{
    return {practiceScreen("TForm22", Praise::Shown),
            ChoiceRule::GuardedUnselected,
            {
                {{"Label5", "Label4"}, "Label5"},    // "(во)время догадаться": а
                {{"Label7", "Label8"}, "Label8"},    // "(во)время спора": б
                {{"Label10", "Label12"}, "Label10"}, // "(в)тайне мечтать": а
                {{"Label15", "Label16"}, "Label16"}, // "(в)тайне сестры": б
                {{"Label18", "Label20"}, "Label18"}, // "(в)век не забуду": а
                {{"Label22", "Label23"}, "Label23"}, // "(в)век прогресса": б
                {{"Label25", "Label27"}, "Label27"}, // "пойти (на)встречу с другом": б
                {{"Label29", "Label30"}, "Label29"}, // "пойти (на)встречу гостям": а
                {{"Label32", "Label34"}, "Label34"}, // "перенести встречу (на)утро": б
                {{"Label36", "Label37"}, "Label36"}, // "(на)утро выпал снег": а
            }};
}

template <class Screen, class Declaration> void registerExercise(const Declaration& declaration)
{
    registerChainScreen<Screen>(declaration.setup.id.className, declaration);
}

} // namespace

void registerExercises()
{
    registerExercise<shared::WordToggleExercise>(exercise1());
    registerExercise<shared::ChoiceGroupExercise>(exercise2a());
    registerExercise<shared::ChoiceGroupExercise>(exercise2b());
    registerExercise<shared::ChoiceGroupExercise>(exercise3a());
    registerExercise<shared::ChoiceGroupExercise>(exercise3b());
    registerExercise<shared::ChoiceGroupExercise>(exercise5());
}

} // namespace adverbs
