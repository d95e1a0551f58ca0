#include "adverbs/test/TestScreens.h"

#include "adverbs/test/AnswerFlags.h"
#include "shared/TestQuestion.h"
#include "shared/TestResult.h"

namespace adverbs {

void registerTestScreens()
{
    const shared::TestQuestionDeclaration questions[] = {
        {"TForm28", "adverbs/test/unit28", "RadioButton1", &AnswerFlags[0], "TForm29"},
        {"TForm29", "adverbs/test/unit29", "RadioButton4", &AnswerFlags[1], "TForm30"},
        {"TForm30", "adverbs/test/unit30", "RadioButton1", &AnswerFlags[2], "TForm31"},
        {"TForm31", "adverbs/test/unit31", "RadioButton4", &AnswerFlags[3], "TForm32"},
        {"TForm32", "adverbs/test/unit32", "RadioButton3", &AnswerFlags[4], "TForm33"},
        {"TForm33", "adverbs/test/unit33", "RadioButton3", &AnswerFlags[5], "TForm34"},
        {"TForm34", "adverbs/test/unit34", "RadioButton4", &AnswerFlags[6], "TForm35"},
        {"TForm35", "adverbs/test/unit35", "RadioButton4", &AnswerFlags[7], "TForm36"},
        {"TForm36", "adverbs/test/unit36", "RadioButton3", &AnswerFlags[8], "TForm37"},
        {"TForm37", "adverbs/test/unit37", "RadioButton1", &AnswerFlags[9], "TForm38"},
        {"TForm38", "adverbs/test/unit38", "RadioButton2", &AnswerFlags[10], "TForm39"},
        {"TForm39", "adverbs/test/unit39", "RadioButton2", &AnswerFlags[11], "TForm40"},
        {"TForm40", "adverbs/test/unit40", "RadioButton3", &AnswerFlags[12], "TForm41"},
        {"TForm41", "adverbs/test/unit41", "RadioButton3", &AnswerFlags[13], "TForm42"},
        {"TForm42", "adverbs/test/unit42", "RadioButton4", &AnswerFlags[14], "TForm43"},
    };
    for (const shared::TestQuestionDeclaration& question : questions)
        shared::registerTestQuestion(question);

    shared::registerTestResult({"TForm43", "adverbs/test/unit43", AnswerFlags, {14, 11, 7}});
}

} // namespace adverbs
