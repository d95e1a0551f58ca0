#include "russian/test/TestScreens.h"

#include "russian/test/AnswerFlags.h"
#include "russian/test/TestChooser.h"
#include "shared/TestQuestion.h"
#include "shared/TestResult.h"

namespace russian {

void registerTestScreens()
{
    shared::registerScreen(testChooser());

    // Variant 1.
    shared::registerTestSequence(
        {"russian/test",
         AnswerFlags,
         {
             {"TForm30", "RadioButton2"}, // "сверкающий"
             {"TForm31", "RadioButton2"}, // "читаемый — действительное, настоящего времени"
             {"TForm32", "RadioButton4"}, // "сидеть"
             {"TForm33", "RadioButton2"}, // "принята"
             {"TForm35", "RadioButton3"}, // "принесённый"
             {"TForm36", "RadioButton2"}, // "незамеченная никем ошибка"
             {"TForm37", "RadioButton3"}, // "(не)написанное мною письмо, задача (не)решена"
             {"TForm38", "RadioButton2"}, // "Мы вышли на дорогу, засыпа...ую снегом."
             {"TForm39", "RadioButton4"}, // "кваше...ый, сушё...ый, солё...ый"
             {"TForm40", "RadioButton2"}, // "раскле...нная афиша"
             {"TForm41", "RadioButton1"}, // "кле...щий"
             {"TForm42", "RadioButton2"}, // "над сверкающ...м озером"
             {"TForm43", "RadioButton3"}, // "люб...мый, гон...мый, хран...мый"
             {"TForm44", "RadioButton3"}, // "Упавшие с деревьев кленовые листья шуршали…"
             {"TForm45", "RadioButton2"}, // "Дети катались на реке покрытой крепким льдом."
             {"TForm46", "RadioButton3"}, // "Листья сорванные ветром кружились в воздухе."
             {"TForm47", "RadioButton4"}, // "Письмо, полученное утром лежало на столе."
             {"TForm48", "RadioButton3"}, // "1, 2, 3"
         },
         "TForm49"});

    // Variant 2.
    shared::registerTestSequence(
        {"russian/test",
         AnswerFlags,
         {
             {"TForm50", "RadioButton2"}, // "горящий"
             {"TForm51", "RadioButton2"}, // "бегущий — действительное, прошедшего времени"
             {"TForm52", "RadioButton4"}, // "улыбаться"
             {"TForm53", "RadioButton3"}, // "начата"
             {"TForm55", "RadioButton3"}, // "выросший"
             {"TForm56", "RadioButton4"}, // "неразгаданная до сих пор тайна"
             {"TForm57", "RadioButton2"}, // "(не)проверенные учителем тетради, окно (не)открыто"
             {"TForm58", "RadioButton3"}, // "Тетради были провере...ы учителем."
             {"TForm59", "RadioButton4"}, // "броше...ый, маринова...ый, выкраше...ый"
             {"TForm60", "RadioButton3"}, // "закле...вший конверт"
             {"TForm61", "RadioButton1"}, // "завис...щий"
             {"TForm62", "RadioButton3"}, // "в шумящ...м лесу"
             {"TForm63", "RadioButton3"}, // "дыш...щий, слыш...щий, крич...щий"
             {"TForm64", "RadioButton1"}, // "Растущие на краю глубокого оврага высокие сосны…"
             {"TForm65", "RadioButton3"}, // "Освещённая луной дорога вела к лесу."
             {"TForm66", "RadioButton1"}, // "Дорога ведущая к реке заросла травой."
             {"TForm67", "RadioButton2"}, // "Растущие у дома, берёзы шелестели листвой."
             {"TForm68", "RadioButton4"}, // "2, 3"
         },
         "TForm69"});

    const shared::GradeThresholds thresholds{17, 13, 9};
    shared::registerTestResult({{"TForm49", "russian/test/unit49"}, AnswerFlags, thresholds});
    shared::registerTestResult({{"TForm69", "russian/test/unit69"}, AnswerFlags, thresholds});
}

} // namespace russian
