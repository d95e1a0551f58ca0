#include "adverbs/theory/TheoryScreens.h"

#include "shared/Theory.h"

namespace adverbs {

void registerTheoryScreens()
{
    shared::registerTheory({
        "adverbs/theory",
        "TForm1",
        {
            {"Label2", "TForm2"}, // "1. Наречие, его признаки."
            {"Label3", "TForm3"}, // "2. Наречия и омонимичные части речи."
            {"Label4", "TForm4"}, // "3. Разряды наречий."
            {"Label5", "TForm5"}, // "4. Наречия и слова категории состояния."
            {"Label11", "TForm6"}, // "5. Степени сравнения наречий."
            {"Label6", "TForm8"}, // "6. Способы словообразования наречий."
            {"Label7", "TForm9"}, // "7. Правописание наречий:"
            {"Label8", "TForm9"}, // "-не с наречиями;"
            {"Label9", "TForm10"}, // "-приставки не и ни в отрицательных наречиях;"
            {"Label10", "TForm11"}, // "-Н и НН;"
            {"Label12", "TForm12"}, // "-орфограммы после шипящих;"
            {"Label13", "TForm13"}, // "-суффиксы -о-, -а- на конце наречий;"
            {"Label14", "TForm14"}, // "-слитное и раздельное написание наречий;"
            {"Label15", "TForm15"}, // "-дефис в наречиях."
        },
        // TForm7 is reached only from TForm6; "Практика" on the last page opens a new practice
        // menu.
        {"TForm2", "TForm3", "TForm4", "TForm5", "TForm6", "TForm7", "TForm8", "TForm9", "TForm10",
         "TForm11", "TForm12", "TForm13", "TForm14", "TForm15", "TForm16"},
        {},
        {},
    });
}

} // namespace adverbs
