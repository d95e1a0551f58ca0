#include "russian/test/TestScreens.h"

#include "russian/test/AnswerFlags.h"
#include "russian/test/TestChooser.h"
#include "shared/Screens.h"
#include "shared/TestQuestion.h"
#include "shared/TestResult.h"

namespace russian {

void registerTestScreens()
{
    shared::registerScreen("TForm29", [] { return std::make_unique<TForm29>(); });

    // The strokes that bound the participial phrases of question 14 stay one pixel wide; the
    // sentence scheme of question 15 keeps the frame of its picture.
    const shared::FitExceptions strokeWidths{.keepWidth = {"Shape1", "Shape2", "Shape3", "Shape4",
                                                           "Shape5", "Shape6", "Shape7", "Shape8"},
                                             .keepSize = {}};
    const shared::FitExceptions schemeSize{.keepWidth = {}, .keepSize = {"Image1"}};

    const shared::TestQuestionDeclaration questions[] = {
        // Variant 1.
        {"TForm30", "russian/test/unit30", "RadioButton2", &AnswerFlags[0], "TForm31"},
        {"TForm31", "russian/test/unit31", "RadioButton2", &AnswerFlags[1], "TForm32"},
        {"TForm32", "russian/test/unit32", "RadioButton4", &AnswerFlags[2], "TForm33"},
        {"TForm33", "russian/test/unit33", "RadioButton2", &AnswerFlags[3], "TForm35"},
        {"TForm35", "russian/test/unit35", "RadioButton3", &AnswerFlags[4], "TForm36"},
        {"TForm36", "russian/test/unit36", "RadioButton2", &AnswerFlags[5], "TForm37"},
        {"TForm37", "russian/test/unit37", "RadioButton3", &AnswerFlags[6], "TForm38"},
        {"TForm38", "russian/test/unit38", "RadioButton2", &AnswerFlags[7], "TForm39"},
        {"TForm39", "russian/test/unit39", "RadioButton4", &AnswerFlags[8], "TForm40"},
        {"TForm40", "russian/test/unit40", "RadioButton2", &AnswerFlags[9], "TForm41"},
        {"TForm41", "russian/test/unit41", "RadioButton1", &AnswerFlags[10], "TForm42"},
        {"TForm42", "russian/test/unit42", "RadioButton2", &AnswerFlags[11], "TForm43"},
        {"TForm43", "russian/test/unit43", "RadioButton3", &AnswerFlags[12], "TForm44"},
        {"TForm44", "russian/test/unit44", "RadioButton3", &AnswerFlags[13], "TForm45",
         strokeWidths},
        {"TForm45", "russian/test/unit45", "RadioButton2", &AnswerFlags[14], "TForm46", schemeSize},
        {"TForm46", "russian/test/unit46", "RadioButton3", &AnswerFlags[15], "TForm47"},
        {"TForm47", "russian/test/unit47", "RadioButton4", &AnswerFlags[16], "TForm48"},
        {"TForm48", "russian/test/unit48", "RadioButton3", &AnswerFlags[17], "TForm49"},
        // Variant 2.
        {"TForm50", "russian/test/unit50", "RadioButton2", &AnswerFlags[0], "TForm51"},
        {"TForm51", "russian/test/unit51", "RadioButton2", &AnswerFlags[1], "TForm52"},
        {"TForm52", "russian/test/unit52", "RadioButton4", &AnswerFlags[2], "TForm53"},
        {"TForm53", "russian/test/unit53", "RadioButton3", &AnswerFlags[3], "TForm55"},
        {"TForm55", "russian/test/unit55", "RadioButton3", &AnswerFlags[4], "TForm56"},
        {"TForm56", "russian/test/unit56", "RadioButton4", &AnswerFlags[5], "TForm57"},
        {"TForm57", "russian/test/unit57", "RadioButton2", &AnswerFlags[6], "TForm58"},
        {"TForm58", "russian/test/unit58", "RadioButton3", &AnswerFlags[7], "TForm59"},
        {"TForm59", "russian/test/unit59", "RadioButton4", &AnswerFlags[8], "TForm60"},
        {"TForm60", "russian/test/unit60", "RadioButton3", &AnswerFlags[9], "TForm61"},
        {"TForm61", "russian/test/unit61", "RadioButton1", &AnswerFlags[10], "TForm62"},
        {"TForm62", "russian/test/unit62", "RadioButton3", &AnswerFlags[11], "TForm63"},
        {"TForm63", "russian/test/unit63", "RadioButton3", &AnswerFlags[12], "TForm64"},
        {"TForm64", "russian/test/unit64", "RadioButton1", &AnswerFlags[13], "TForm65",
         strokeWidths},
        {"TForm65", "russian/test/unit65", "RadioButton3", &AnswerFlags[14], "TForm66", schemeSize},
        {"TForm66", "russian/test/unit66", "RadioButton1", &AnswerFlags[15], "TForm67"},
        {"TForm67", "russian/test/unit67", "RadioButton2", &AnswerFlags[16], "TForm68"},
        {"TForm68", "russian/test/unit68", "RadioButton4", &AnswerFlags[17], "TForm69"},
    };
    for (const shared::TestQuestionDeclaration& question : questions)
        shared::registerTestQuestion(question);

    const shared::GradeThresholds thresholds{17, 13, 9};
    shared::registerTestResult({"TForm49", "russian/test/unit49", AnswerFlags, thresholds});
    shared::registerTestResult({"TForm69", "russian/test/unit69", AnswerFlags, thresholds});
}

} // namespace russian
