#include "russian/practice/PracticeScreens.h"
#include "russian/practice/StressMarkExercise.h"
#include "shared/ChoiceGroupExercise.h"

namespace russian {
namespace {

using shared::ChoiceGroupDeclaration;
using shared::ChoiceRule;

// 5. The participle formed from the given verb, one of five.
ChoiceGroupDeclaration exercise5()
{
    return {practiceScreen("TForm24"),
            ChoiceRule::GuardedNotSelected,
            {
                {{"Label7", "Label8", "Label9", "Label10", "Label11"},
                 "Label9"}, // расстраиваться: "расстраивающийся"
                {{"Label13", "Label14", "Label15", "Label16", "Label17"},
                 "Label13"}, // открывать: "открывавший"
                {{"Label19", "Label20", "Label21", "Label22", "Label23"},
                 "Label23"}, // рассчитаться: "рассчитавшийся"
            }};
}

// 10. НЕ with participles: three rules to finish. The first pair can be cleared again.
ChoiceGroupDeclaration exercise10()
{
    return {practiceScreen("TForm19"),
            ChoiceRule::GuardedNotSelected,
            {
                {{"Label6", "Label19"}, "Label6"},   // a single full participle: "слитно,"
                {{"Label11", "Label20"}, "Label20"}, // with dependent words: "раздельно"
                {{"Label16", "Label21"}, "Label21"}, // a short participle: "раздельно"
            },
            {"Label6"}};
}

// 13. Short forms: Н or НН, adjective or participle.
ChoiceGroupDeclaration exercise13()
{
    return {practiceScreen("TForm25"),
            ChoiceRule::GuardedNotSelected,
            {
                {{"Label4", "Label5"}, "Label5"},    // "воспитанна": "нн"
                {{"Label7", "Label8"}, "Label7"},    // "воспитанна": "прил.,"
                {{"Label11", "Label12"}, "Label11"}, // "воспитана бабушкой": "н,"
                {{"Label14", "Label15"}, "Label15"}, // "воспитана бабушкой": "прич."
                {{"Label18", "Label19"}, "Label19"}, // "необразованна": "нн"
                {{"Label21", "Label22"}, "Label21"}, // "необразованна": "прил.,"
                {{"Label35", "Label36"}, "Label35"}, // "образована пересечением": "н,"
                {{"Label28", "Label29"}, "Label29"}, // "образована пересечением": "прич."
                {{"Label25", "Label26"}, "Label25"}, // "реконструирована": "н,"
                {{"Label32", "Label33"}, "Label33"}, // "реконструирована": "прич."
                {{"Label39", "Label40"}, "Label39"}, // "сосредоточено на опыте": "н,"
                {{"Label42", "Label43"}, "Label43"}, // "сосредоточено на опыте": "прич."
                {{"Label46", "Label47"}, "Label47"}, // "сосредоточенны": "нн"
                {{"Label49", "Label50"}, "Label49"}, // "сосредоточенны": "прил.,"
            }};
}

// 14а. Four set phrases; their drawings appear one after another on the right answer.
ChoiceGroupDeclaration exercise14a()
{
    return {
        practiceScreen("TForm26", {"Image1", "Image2", "Image3", "Image4"}),
        ChoiceRule::GuardedNotSelected,
        {
            {{"Label4", "Label5", "Label6", "Label7"}, "Label5"}, // как "выжатый," лимон
            {{"Label10", "Label11", "Label12", "Label13"}, "Label13"}, // как "заведённая" машина
            {{"Label16", "Label17", "Label18", "Label19"}, "Label18"}, // язык хорошо "подвешенный,"
            {{"Label22", "Label23", "Label24", "Label25"}, "Label22"}, // "Стреляный," воробей
        }};
}

// 14б. The odd one out of the four words found before.
ChoiceGroupDeclaration exercise14b()
{
    return {practiceScreen("TForm27"),
            ChoiceRule::GuardedNotSelected,
            {
                {{"Label2", "Label3", "Label4", "Label5"}, "Label5"}, // "стреляный"
            }};
}

// 15. The missing letter.
ChoiceGroupDeclaration exercise15()
{
    return {practiceScreen("TForm22"),
            ChoiceRule::GuardedNotSelected,
            {
                {{"Label3", "Label4"}, "Label4"},    // "стелющемся": "ю"
                {{"Label6", "Label7"}, "Label6"},    // "стелющемся": "е,"
                {{"Label9", "Label10"}, "Label9"},   // "клеящим": "я,"
                {{"Label12", "Label13"}, "Label13"}, // "клеящим": "и"
                {{"Label16", "Label17"}, "Label16"}, // "строящегося": "я,"
                {{"Label19", "Label20"}, "Label19"}, // "строящегося": "е,"
                {{"Label25", "Label26"}, "Label26"}, // "видимый": "и"
                {{"Label23", "Label24"}, "Label23"}, // "замешенное тесто": "е,"
                {{"Label29", "Label30"}, "Label30"}, // "замешанный в ссоре": "а"
                {{"Label33", "Label34"}, "Label33"}, // "заклеенный": "е,"
                {{"Label36", "Label37"}, "Label37"}, // "клеивший": "и"
                {{"Label40", "Label41"}, "Label40"}, // "дышащий": "а,"
                {{"Label44", "Label45"}, "Label45"}, // "освещённый": "ё"
                {{"Label48", "Label49"}, "Label49"}, // "сожжённый": "ё"
            }};
}

// 16. The stressed syllable of the full form and the four short forms of three participles.
StressMarkDeclaration exercise16()
{
    return {practiceScreen("TForm23"),
            {
                {{{"Label4", "Label58"}, {"Label5", "Label59"}, {"Label6", "Label60"}},
                 "Label58"}, // "При́нятый,"
                {{{"Label7", "Label61"}, {"Label8", "Label62"}}, "Label61"}, // "при́нят,"
                {{{"Label9", "Label63"}, {"Label10", "Label64"}, {"Label13", "Label65"}},
                 "Label65"}, // "принята́,"
                {{{"Label11", "Label66"}, {"Label12", "Label67"}, {"Label14", "Label68"}},
                 "Label66"}, // "при́нято,"
                {{{"Label15", "Label69"}, {"Label16", "Label70"}, {"Label17", "Label71"}},
                 "Label69"}, // "при́няты."
                {{{"Label19", "Label72"}, {"Label20", "Label73"}, {"Label21", "Label74"}},
                 "Label73"}, // "Включённый,"
                {{{"Label22", "Label75"}, {"Label23", "Label76"}}, "Label76"}, // "включён,"
                {{{"Label24", "Label77"}, {"Label25", "Label78"}, {"Label26", "Label79"}},
                 "Label79"}, // "включена́,"
                {{{"Label27", "Label80"}, {"Label28", "Label81"}, {"Label29", "Label82"}},
                 "Label82"}, // "включено́,"
                {{{"Label30", "Label83"}, {"Label31", "Label84"}, {"Label32", "Label85"}},
                 "Label85"}, // "включены́."
                {{{"Label34", "Label86"},
                  {"Label35", "Label87"},
                  {"Label36", "Label88"},
                  {"Label37", "Label89"},
                  {"Label38", "Label90"}},
                 "Label88"}, // "Премиро́ванный,"
                {{{"Label39", "Label91"},
                  {"Label40", "Label92"},
                  {"Label41", "Label93"},
                  {"Label42", "Label94"}},
                 "Label93"}, // "премиро́ван,"
                {{{"Label43", "Label95"},
                  {"Label44", "Label96"},
                  {"Label45", "Label97"},
                  {"Label46", "Label98"},
                  {"Label51", "Label99"}},
                 "Label97"}, // "премиро́вана,"
                {{{"Label47", "Label100"},
                  {"Label48", "Label101"},
                  {"Label49", "Label102"},
                  {"Label50", "Label103"},
                  {"Label52", "Label104"}},
                 "Label102"}, // "премиро́вано,"
                {{{"Label53", "Label105"},
                  {"Label54", "Label106"},
                  {"Label55", "Label107"},
                  {"Label56", "Label108"},
                  {"Label57", "Label109"}},
                 "Label107"}, // "премиро́ваны."
            }};
}

} // namespace

void registerChoiceExercises()
{
    registerExercise<shared::ChoiceGroupExercise>(exercise5());
    registerExercise<shared::ChoiceGroupExercise>(exercise10());
    registerExercise<shared::ChoiceGroupExercise>(exercise13());
    registerExercise<shared::ChoiceGroupExercise>(exercise14a());
    registerExercise<shared::ChoiceGroupExercise>(exercise14b());
    registerExercise<shared::ChoiceGroupExercise>(exercise15());
    registerExercise<StressMarkExercise>(exercise16());
}

} // namespace russian
