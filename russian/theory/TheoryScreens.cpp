#include "russian/theory/TheoryScreens.h"

#include "shared/Theory.h"

namespace russian {

void registerTheoryScreens()
{
    shared::registerTheory({
        "russian/theory",
        "TForm1",
        {
            {"Label2", "TForm2"}, // "1. Признаки причастия."
            {"Label3", "TForm3"}, // "2. Виды причастий."
            {"Label4", "TForm4"}, // "3. Суффиксы действительных и страдательных причастий."
            {"Label5", "TForm5"}, // "4. Причастный оборот."
            {"Label11", "TForm6"}, // "5. Пунктуация в предложении с причастным оборотом."
            {"Label6", "TForm7"}, // "6. Орфограммы в причастии:"
            {"Label7", "TForm7"}, // "— не с причастиями;"
            {"Label8", "TForm8"}, // "— Н и НН в причастиях и отглагольных прилагательных;"
            {"Label9", "TForm9"}, // "— гласные в суффиксах причастий;"
            {"Label10", "TForm10"}, // "— гласные в окончаниях причастий."
        },
        // "Практика" on the last page leads to the first exercise.
        {"TForm2", "TForm3", "TForm4", "TForm5", "TForm6", "TForm7", "TForm8", "TForm9", "TForm10",
         "TForm11"},
        {{"TForm8", {"Label39", "TForm34"}}}, // "отглагольных"
        {"TForm34"},
    });
}

} // namespace russian
