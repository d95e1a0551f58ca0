#include "russian/practice/PracticeScreens.h"

#include "shared/CheckBoxExercise.h"
#include "shared/WordToggleExercise.h"

namespace russian {
namespace {

using shared::CheckBoxDeclaration;
using shared::WordToggleDeclaration;

// 1. The definition of the participle: the right words in six brackets.
WordToggleDeclaration exercise1()
{
    return {practiceScreen("TForm11"),
            {"Label4",  "Label6",  "Label7",  "Label8",  "Label11", "Label12", "Label13",
             "Label14", "Label16", "Label17", "Label18", "Label19", "Label20", "Label21",
             "Label22", "Label24", "Label25", "Label26", "Label28", "Label29", "Label32",
             "Label33", "Label34", "Label35", "Label36"},
            {
                "Label8",  // "признак предмета по действию"
                "Label12", // "какой?"
                "Label17", // "времени,"
                "Label18", // "числа,"
                "Label20", // "вида,"
                "Label21", // "рода,"
                "Label22", // "падежа"
                "Label24", // "сущ.,"
                "Label28", // "может, "
                "Label34", // "определением,"
            },
            {"Label33"}}; // "сказуемым,": a short participle is one, so it counts either way
}

// 2. The suffixes of participles; the full stop after the last suffix toggles that suffix.
WordToggleDeclaration exercise2()
{
    return {practiceScreen("TForm12"),
            {"Label3",  "Label4",  "Label5",  "Label6",  "Label7",  "Label8",
             "Label2",  "Label9",  "Label10", "Label11", "Label12", "Label13",
             "Label14", "Label15", "Label16", "Label17", "Label18", "Label19",
             "Label20", "Label21", "Label22", "Label23", "Label24", "Label25"},
            {
                "Label4",  // "-енн-,"
                "Label6",  // "-нн-,"
                "Label8",  // "-ш-,"
                "Label9",  // "-вш-,"
                "Label11", // "-ящ-,"
                "Label13", // "-ом-,"
                "Label14", // "-т-,"
                "Label16", // "-ущ-,"
                "Label17", // "-им-,"
                "Label19", // "-ащ-,"
                "Label22", // "-ющ-,"
                "Label24", // "-ем-,"
            },
            {},
            {{"Label26", "Label25"}}}; // "." toggles "-ик-"
}

// 3. The participles of a verse; the landscape shows on the right answer.
WordToggleDeclaration exercise3()
{
    return {practiceScreen("TForm13", {"Image1"}),
            {"Label3", "Label6", "Label9", "Label12", "Label15", "Label18", "Label21", "Label24"},
            {
                "Label3",  // "спалённой"
                "Label6",  // "ночующий"
                "Label12", // "белеющих"
                "Label21", // "покрытую"
            }};
}

// 4. The odd word out in the columns of active and passive participles.
CheckBoxDeclaration exercise4()
{
    return {practiceScreen("TForm14"),
            {
                "CheckBox3",  // "засеянный"
                "CheckBox10", // "заметивший"
            }};
}

// 6. Word groups of a participle and a noun.
CheckBoxDeclaration exercise6()
{
    return {practiceScreen("TForm15"),
            {
                "CheckBox2", // "зеленеющий лес"
                "CheckBox4", // "обиженный ребёнок"
                "CheckBox5", // "молотый кофе"
            }};
}

// 7. Sentences with a participial phrase.
CheckBoxDeclaration exercise7()
{
    return {practiceScreen("TForm16"),
            {
                "CheckBox3", // "Дорога, ведущая к озеру, заросла высокой травой."
                "CheckBox5", // "По небу плыли освещённые луной облака."
            }};
}

// 8. Participial phrases that need commas.
CheckBoxDeclaration exercise8()
{
    return {practiceScreen("TForm17"),
            {
                "CheckBox2", // "Я подошёл к окну выходившему в сад."
                "CheckBox5", // "Рыбаки сидевшие у костра … рассказывали друг другу …"
            }};
}

// 9. Participles used wrongly.
CheckBoxDeclaration exercise9()
{
    return {practiceScreen("TForm18"),
            {
                "CheckBox2", // "Ученики, сделающие уроки, пошли гулять."
                "CheckBox3", // "Мы подошли к дому, стоящий на краю деревни."
            }};
}

// 11. НЕ written only apart.
CheckBoxDeclaration exercise11()
{
    return {practiceScreen("TForm20"),
            {
                "CheckBox3", // "Дети бегали по ещё (не)скошенному лугу."
                "CheckBox4", // "(не)законченная, а только что начатая художником картина"
                "CheckBox5", // "Дверь была (не)заперта."
            }};
}

// 12. НН in the gap.
CheckBoxDeclaration exercise12()
{
    return {practiceScreen("TForm21"),
            {
                "CheckBox1", // "Завале...ые снегом дороги."
                "CheckBox5", // "Ране...ый осколком в ногу."
                "CheckBox6", // "Сосредоточе...ое выражение лица."
                "CheckBox7", // "Платье слишком дли...о."
            }};
}

// The congratulation after the last exercise: "Выполнить тест" leads on to the test chooser.
shared::ScreenDeclaration congratulation()
{
    return {shared::unitScreen("russian/practice", CongratulationScreen),
            shared::FullScreenPlacement,
            "BitBtn1",                                        // "Закрыть"
            {{"BitBtn2", "TForm29", shared::Link::Instead}}}; // "Выполнить тест"
}

} // namespace

shared::ExerciseSetup practiceScreen(const QString& className, QStringList revealedPictures)
{
    return {shared::unitScreen("russian/practice", className),
            shared::Placement::ParticiplePractice, std::move(revealedPictures), goOn};
}

void registerPracticeScreens()
{
    registerExercise<shared::WordToggleExercise>(exercise1());
    registerExercise<shared::WordToggleExercise>(exercise2());
    registerExercise<shared::WordToggleExercise>(exercise3());
    registerExercise<shared::CheckBoxExercise>(exercise4());
    registerExercise<shared::CheckBoxExercise>(exercise6());
    registerExercise<shared::CheckBoxExercise>(exercise7());
    registerExercise<shared::CheckBoxExercise>(exercise8());
    registerExercise<shared::CheckBoxExercise>(exercise9());
    registerExercise<shared::CheckBoxExercise>(exercise11());
    registerExercise<shared::CheckBoxExercise>(exercise12());
    registerChoiceExercises();
    shared::registerScreen(congratulation());
}

} // namespace russian
