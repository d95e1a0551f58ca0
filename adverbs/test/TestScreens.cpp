#include "adverbs/test/TestScreens.h"

#include "adverbs/test/AnswerFlags.h"
#include "shared/TestQuestion.h"
#include "shared/TestResult.h"

namespace adverbs {

void registerTestScreens()
{
    shared::registerTestSequence({"adverbs/test",
                                  AnswerFlags,
                                  {
                                      {"TForm28", "RadioButton1"}, // "1, 2, 4, 7"
                                      {"TForm29", "RadioButton4"}, // "2, 4"
                                      {"TForm30", "RadioButton1"}, // "1, 3"
                                      {"TForm31", "RadioButton4"}, // "1, 4"
                                      {"TForm32", "RadioButton3"}, // "очень, слишком, втрое…"
                                      {"TForm33", "RadioButton3"}, // "2, 4"
                                      {"TForm34", "RadioButton4"}, // "Лодка плыла (не)быстро…"
                                      {"TForm35", "RadioButton4"}, // "(не)брежно одеваться…"
                                      {"TForm36", "RadioButton3"}, // "двигаться организова...о…"
                                      {"TForm37", "RadioButton1"}, // "(на)изусть, (в)дребезги…"
                                      {"TForm38", "RadioButton2"}, // "(по)весеннему, (в)третьих…"
                                      {"TForm39", "RadioButton2"}, // "(давным)давно, (по)лисьи…"
                                      {"TForm40", "RadioButton3"}, // "Сначал... мы шли молча…"
                                      {"TForm41", "RadioButton3"}, // "налев..., засветл..."
                                      {"TForm42", "RadioButton4"}, // "вскач..., навзнич..."
                                  },
                                  "TForm43"});
    shared::registerTestResult({{"TForm43", "adverbs/test/unit43"}, AnswerFlags, {14, 11, 7}});
}

} // namespace adverbs
