#include "tests/russian/practice_support.h"

#include "russian/practice/PracticeChain.h"

namespace {

using namespace practice_testing;

class PracticeChainTest : public PracticeTest {
protected:
    // Answers the exercise screen right, whatever its kind, by clicking as the pupil does.
    static void answerRight(gui::Form& screen, const QString& name)
    {
        for (const ToggleScreen& toggle : toggleScreens)
            if (name == toggle.screen)
                return answer(screen, named("Label", toggle.key));
        for (const BoxScreen& boxes : boxScreens)
            if (name == boxes.screen)
                return tick(screen, named("CheckBox", boxes.key));
        for (const ChoiceScreen& choice : choiceScreens)
            if (name == choice.screen)
                return answer(screen, named("Label", choice.key));
        ASSERT_EQ(name, "TForm23");
        answer(screen, stressedSyllables());
    }
};

// From the main menu through all seventeen exercise screens with the right answers, each one
// praised once and closed as the next opens on top, to the congratulation and the test chooser.
TEST_F(PracticeChainTest, TheWholePracticeLeadsFromTheMenuToTheTestChooser)
{
    useDisplay(1024, 768);
    gui::Form& menu = startedMainMenu();
    testing_support::clickControl(menu, "Label5"); // "II. Закрепите изученное"

    int praised = 0;
    for (const russian::ChainStep& step : russian::practiceChain()) {
        SCOPED_TRACE(step.screen.toStdString());
        gui::Form* screen = shared::instanceOf(step.screen);
        ASSERT_TRUE(screen && screen->isVisible());
        EXPECT_EQ(gui::Display::instance().activeForm(), screen);
        EXPECT_EQ(screen->geometry(), QRect(0, 384, 1024, 384));
        answerRight(*screen, step.screen);
        EXPECT_EQ(messages.size(), ++praised);
        EXPECT_EQ(messages.back(), Praise);
        EXPECT_FALSE(screen->isVisible());
    }
    gui::Form* congratulation = shared::instanceOf("TForm28");
    ASSERT_TRUE(congratulation && congratulation->isVisible());
    EXPECT_EQ(congratulation->geometry(), QRect(0, 0, 1024, 768));
    congratulation->button("BitBtn2").click(); // "Выполнить тест"
    EXPECT_FALSE(congratulation->isVisible());
    gui::Form* chooser = shared::instanceOf("TForm29");
    ASSERT_TRUE(chooser && chooser->isVisible());
    EXPECT_EQ(gui::Display::instance().activeForm(), chooser);
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(messages.size(), 17);
}

} // namespace
