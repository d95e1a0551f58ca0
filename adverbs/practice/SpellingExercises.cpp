#include "adverbs/practice/SpellingExercises.h"

#include "adverbs/practice/CompletionStep.h"
#include "adverbs/practice/PracticeChain.h"
#include "shared/ChoiceGroupExercise.h"
#include "shared/Screens.h"

#include <array>

namespace adverbs {
namespace {

using shared::ChoiceGroup;
using shared::ChoiceGroupDeclaration;
using shared::ChoiceRule;
using shared::RevealedShape;

// Every screen here praises a right answer, fills its shapes (if it has any) and goes on along
// the chain.
shared::ExerciseSetup spellingScreen(const QString& className,
                                     std::vector<RevealedShape> revealedShapes = {})
{
    shared::ExerciseSetup setup{shared::unitScreen("adverbs/practice", className),
                                shared::Placement::AdverbsPractice,
                                {},
                                [](gui::Form& screen) { completeStep(screen, Praise::Shown); }};
    // A word's labels hide the colour behind them: a chosen option, blue, stays readable on a
    // blue shape.
    setup.opaqueLabels = !revealedShapes.empty();
    setup.revealedShapes = std::move(revealedShapes);
    return setup;
}

// 7.а) н or нн in adverbs ending in -о: "н," / "нн" inside each word.
ChoiceGroupDeclaration exercise7a()
{
    return {spellingScreen("TForm24"),
            ChoiceRule::Unconditional,
            {
                {{"Label2", "Label3"}, "Label3"},    // "отчаянно"
                {{"Label6", "Label7"}, "Label7"},    // "увлечённо"
                {{"Label10", "Label11"}, "Label11"}, // "неожиданно"
                {{"Label15", "Label16"}, "Label15"}, // "путано"
                {{"Label19", "Label20"}, "Label19"}, // "бешено"
                {{"Label23", "Label24"}, "Label24"}, // "временно"
                {{"Label27", "Label28"}, "Label27"}, // "мудрено"
            }};
}

// 7.б) н or нн, then "кратк. прич.," or "нареч.": the two choices of a sentence count apart.
ChoiceGroupDeclaration exercise7b()
{
    return {spellingScreen("TForm47"),
            ChoiceRule::Unconditional,
            {
                {{"Label2", "Label3"}, "Label2"},    // "Время потеряно": н
                {{"Label6", "Label7"}, "Label6"},    // "потеряно": кратк. прич.
                {{"Label8", "Label9"}, "Label9"},    // "Смотреть потерянно": нн
                {{"Label11", "Label12"}, "Label12"}, // "потерянно": нареч.
                {{"Label15", "Label16"}, "Label15"}, // "Любопытство было возбуждено": н
                {{"Label18", "Label19"}, "Label18"}, // "возбуждено": кратк. прич.
                {{"Label21", "Label22"}, "Label22"}, // "Говорили возбуждённо": нн
                {{"Label24", "Label25"}, "Label25"}, // "возбуждённо": нареч.
            }};
}

// 9. -о or -а at the end of adverbs: "о," / "а".
ChoiceGroupDeclaration exercise9()
{
    return {spellingScreen("TForm26"),
            ChoiceRule::Unconditional,
            {
                {{"Label2", "Label3"}, "Label2"},    // "досрочно"
                {{"Label6", "Label7"}, "Label7"},    // "досуха"
                {{"Label10", "Label11"}, "Label10"}, // "вправо"
                {{"Label15", "Label16"}, "Label16"}, // "дочиста"
                {{"Label19", "Label20"}, "Label20"}, // "изредка"
                {{"Label23", "Label24"}, "Label23"}, // "сдавленно"
                {{"Label27", "Label28"}, "Label27"}, // "достаточно"
                {{"Label31", "Label32"}, "Label31"}, // "наскоро"
                {{"Label35", "Label36"}, "Label36"}, // "слева"
                {{"Label39", "Label40"}, "Label39"}, // "сбивчиво"
                {{"Label43", "Label44"}, "Label44"}, // "снова"
                {{"Label47", "Label48"}, "Label47"}, // "заново"
                {{"Label51", "Label52"}, "Label52"}, // "сначала"
                {{"Label55", "Label56"}, "Label55"}, // "испуганно"
                {{"Label59", "Label60"}, "Label60"}, // "издавна"
            }};
}

// 8. After a hushing consonant, in five balloons (Shape2 to Shape6): with or without "ь" (the
// second "ь" is crossed out), or "о" against "ё". A right answer fills the balloons.
ChoiceGroupDeclaration balloons(const QString& className, std::vector<ChoiceGroup> groups,
                                std::array<gui::Color, 5> colours)
{
    std::vector<RevealedShape> filled;
    for (std::size_t i = 0; i < colours.size(); ++i)
        filled.push_back({QString("Shape%1").arg(i + 2), colours[i]});
    return {spellingScreen(className, std::move(filled)), ChoiceRule::Unconditional,
            std::move(groups)};
}

ChoiceGroupDeclaration exercise8a()
{
    return balloons("TForm25",
                    {
                        {{"Label3", "Label4"}, "Label3"},    // "навзничь"
                        {{"Label8", "Label11"}, "Label11"},  // "замуж"
                        {{"Label13", "Label16"}, "Label16"}, // "ещё"
                        {{"Label17", "Label20"}, "Label17"}, // "прочь"
                        {{"Label22", "Label25"}, "Label22"}, // "хорошо"
                    },
                    {gui::clRed, gui::clGreen, gui::clYellow, gui::clBlue, gui::clAqua});
}

ChoiceGroupDeclaration exercise8b()
{
    return balloons("TForm48",
                    {
                        {{"Label3", "Label4"}, "Label3"},    // "настежь"
                        {{"Label8", "Label11"}, "Label11"},  // "из-за туч"
                        {{"Label13", "Label16"}, "Label16"}, // "бережёт"
                        {{"Label17", "Label20"}, "Label17"}, // "вскачь"
                        {{"Label22", "Label25"}, "Label22"}, // "горячо"
                    },
                    {gui::clGreen, gui::clRed, gui::clBlue, gui::clYellow, gui::clAqua});
}

// 10. How a word is written, in eight circles (Shape1 to Shape8), each with the options "а,"
// (слитно), "б," (раздельно) and "в" (через дефис), named alike on both screens. A right answer
// fills every circle with the colour of its answer, so the colours group the words.
enum class Writing { Together, Apart, Hyphenated };

const std::array<QStringList, 8> circleOptions = {{
    {"Label3", "Label5", "Label6"},
    {"Label8", "Label11", "Label12"},
    {"Label15", "Label18", "Label19"},
    {"Label21", "Label24", "Label25"},
    {"Label27", "Label30", "Label31"},
    {"Label33", "Label36", "Label37"},
    {"Label39", "Label42", "Label43"},
    {"Label45", "Label48", "Label49"},
}};

gui::Color colourOf(Writing writing)
{
    switch (writing) {
    case Writing::Together:
        return gui::clRed;
    case Writing::Apart:
        return gui::clGreen;
    case Writing::Hyphenated:
        break;
    }
    return gui::clBlue;
}

ChoiceGroupDeclaration circles(const QString& className, const std::array<Writing, 8>& keys)
{
    std::vector<ChoiceGroup> groups;
    std::vector<RevealedShape> filled;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        groups.push_back({circleOptions[i], circleOptions[i][static_cast<int>(keys[i])]});
        filled.push_back({QString("Shape%1").arg(i + 1), colourOf(keys[i])});
    }
    return {spellingScreen(className, std::move(filled)), ChoiceRule::Unconditional,
            std::move(groups)};
}

ChoiceGroupDeclaration exercise10a()
{
    return circles("TForm45", {
                                  Writing::Hyphenated, // "по-охотничьи"
                                  Writing::Apart,      // "на ощупь"
                                  Writing::Hyphenated, // "точь-в-точь"
                                  Writing::Hyphenated, // "по-зимнему"
                                  Writing::Hyphenated, // "чуть-чуть"
                                  Writing::Hyphenated, // "куда-либо"
                                  Writing::Apart,      // "бок о бок"
                                  Writing::Together,   // "посередине"
                              });
}

ChoiceGroupDeclaration exercise10b()
{
    return circles("TForm49", {
                                  Writing::Hyphenated, // "ярко-красный"
                                  Writing::Apart,      // "на редкость"
                                  Writing::Apart,      // "по этому правилу"
                                  Writing::Apart,      // "в открытую"
                                  Writing::Together,   // "недалеко"
                                  Writing::Together,   // "поэтому"
                                  Writing::Hyphenated, // "пол-урока"
                                  Writing::Together,   // "вчетвером"
                              });
}

} // namespace

void registerSpellingExercises()
{
    for (const ChoiceGroupDeclaration& declaration :
         {exercise7a(), exercise7b(), exercise8a(), exercise8b(), exercise9(), exercise10a(),
          exercise10b()})
        registerChainScreen<shared::ChoiceGroupExercise>(declaration.setup.id.className,
                                                         declaration);
}

void createStartUpInstances()
{
    for (const char* className : {"TForm47", "TForm48", "TForm49"})
        shared::createScreen(className);
}

} // namespace adverbs
