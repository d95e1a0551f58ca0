#include "adverbs/practice/GameExercises.h"

#include "adverbs/practice/CrosswordExercise.h"
#include "adverbs/practice/PathGameExercise.h"
#include "adverbs/practice/PracticeChain.h"
#include "shared/Screens.h"

namespace adverbs {
namespace {

// "Label<first>" to "Label<last>".
QStringList labels(int first, int last)
{
    QStringList names;
    for (int number = first; number <= last; ++number)
        names << QString("Label%1").arg(number);
    return names;
}

// 4. The crossword: seven adverbs across, "наречие" down the marked column.
CrosswordDeclaration exercise4()
{
    return {shared::unitScreen("adverbs/practice", "TForm21"),
            {
                // field, its "OK", the word, its letter cells, the cell in the marked column
                {"Edit1", "BitBtn3", "наизнанку", labels(15, 23), "Label19"}, // "навыворот"
                {"Edit2", "BitBtn4", "накануне", labels(24, 31), "Label27"}, // "в предыдущий день"
                {"Edit3", "BitBtn5", "осторожно", labels(32, 40), "Label36"}, // "осмотрительно"
                {"Edit4", "BitBtn6", "поспешно", labels(41, 48), "Label45"}, // "торопливо"
                {"Edit5", "BitBtn7", "вручную", labels(49, 55), "Label52"}, // "ручным способом"
                {"Edit6", "BitBtn8", "подчистую", labels(56, 64), "Label60"}, // "без остатка"
                {"Edit7", "BitBtn9", "примерно", labels(65, 72), "Label69"}, // "приблизительно"
            },
            "наречие"};
}

// 6. The staircase: не or ни, then не written together with the next word or apart from it.
PathGameDeclaration exercise6()
{
    return {
        shared::unitScreen("adverbs/practice", "TForm23"),
        {
            // Stage 1, under the lowest tread: "н(е, и)куда", the stress marked on "куда".
            {{"Label13", "Label5", "Label2", "Label3", "Label55"},
             {
                 {{"Label2", "Label5"}, "Label2"}, // "никуда", unstressed: ни
             }},
            // Stage 2: "н(е, и)где", the stress marked on its "е"; "н(е, и)(у)кого (слитно,
            // раздельно)", the stress marked on "кого".
            {QStringList{"Label4"} + labels(6, 12) + labels(14, 19),
             {
                 {{"Label6", "Label7"}, "Label6"},    // "негде", stressed: не
                 {{"Label11", "Label10"}, "Label11"}, // "ни у кого", unstressed: ни
                 {{"Label16", "Label15"}, "Label16"}, // "ни у кого": раздельно
             }},
            // Stage 3: "вовсе (не)легко", "совершенно (не)интересно".
            {labels(20, 30),
             {
                 {{"Label22", "Label21"}, "Label22"}, // "вовсе не легко": раздельно
                 {{"Label26", "Label27"}, "Label26"}, // "совершенно неинтересно": слитно
             }},
            // Stage 4: "(не)лукаво, а простодушно", "(не)часто, но регулярно".
            {labels(31, 42),
             {
                 {{"Label33", "Label32"}, "Label33"}, // "не лукаво, а простодушно": раздельно
                 {{"Label39", "Label40"}, "Label39"}, // "нечасто, но регулярно": слитно
             }},
            // Stage 5, under the top tread: two proverbs.
            {labels(43, 54),
             {
                 {{"Label45", "Label44"}, "Label45"}, // "Не дорого начало, а похвален конец"
                 {{"Label50", "Label51"}, "Label50"}, // "Гость и недолго гостит"
             }},
        },
        "Image1", // the stick figure
        {"Shape6", "Shape5", "Shape4", "Shape3", "Shape2"},
    };
}

} // namespace

void registerGameExercises()
{
    const CrosswordDeclaration crossword = exercise4();
    registerChainScreen<CrosswordExercise>(crossword.id.className, crossword);
    const PathGameDeclaration staircase = exercise6();
    registerChainScreen<PathGameExercise>(staircase.id.className, staircase);
}

} // namespace adverbs
