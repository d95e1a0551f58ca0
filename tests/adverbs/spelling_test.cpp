#include "tests/adverbs/practice_support.h"

#include "adverbs/practice/PracticeChain.h"

namespace {

using namespace practice_testing;
using testing_support::pressKey;

const char* const spellingScreens[] = {"TForm24", "TForm47", "TForm25", "TForm48",
                                       "TForm26", "TForm45", "TForm49"};

// The screens of exercises 7 to 10 that complete an exercise, with its element of PracticeDone.
const std::pair<const char*, int> completing[] = {
    {"TForm47", 6}, {"TForm48", 7}, {"TForm26", 8}, {"TForm49", 9}};

TEST_F(PracticeTest, TheTwoChoicesOfASentenceOf7bCountApart)
{
    // "Время потеряно": н and кратк. прич.; each half right with the other half wrong.
    const std::pair<int, const char*> halfWrong[] = {{0, "Label3"}, {1, "Label7"}};
    for (const auto& [group, wrong] : halfWrong) {
        messages.clear();
        gui::Form& screen = open("TForm47");
        QStringList choices = keyOf("TForm47");
        choices.replace(group, wrong);
        answer(screen, choices);
        EXPECT_EQ(messages, QStringList{Retry}) << wrong;
        EXPECT_TRUE(screen.isVisible());
    }

    // A wrong choice after the right one spoils the answer; choosing right again mends it.
    messages.clear();
    gui::Form& screen = open("TForm47");
    answer(screen, keyOf("TForm47") + QStringList{"Label12", "Label11"});
    answer(screen, {"Label12"});
    EXPECT_EQ(messages, (QStringList{Retry, Praise}));
    EXPECT_TRUE(progress().PracticeDone[6]);
}

// The completing screens set their element of PracticeDone and, when it is the last one
// missing, open the congratulation once instead of their successor.
TEST_F(PracticeTest, TheLastCompletionOnASpellingScreenCongratulates)
{
    for (const auto& [screenName, exercise] : completing) {
        SCOPED_TRACE(screenName);
        gui::Application::instance().reset();
        progress() = {};
        setAllDoneBut(exercise);
        answerRight(open(screenName));
        EXPECT_TRUE(progress().PracticeDone[exercise]);
        EXPECT_TRUE(isOpen("TForm27"));
        EXPECT_EQ(instanceCount("TForm27"), 1);
        const QString& next = adverbs::chainLink(screenName).next;
        if (!next.isEmpty()) {
            EXPECT_EQ(shared::instanceOf(next), nullptr);
        }
    }
}

// Once the congratulation has been shown, the completing screens go on along the chain; the last
// screen just closes and the menu below it is in front again.
TEST_F(PracticeTest, AfterTheCongratulationTheSpellingScreensGoOn)
{
    progress().PracticeDone.fill(true);
    progress().CongratsShown = true;
    for (const auto& [screenName, exercise] : completing) {
        const QString& next = adverbs::chainLink(screenName).next;
        if (next.isEmpty())
            continue;
        answerRight(open(screenName));
        EXPECT_TRUE(isOpen(next)) << screenName;
    }
    EXPECT_EQ(instanceCount("TForm27"), 0);

    gui::Form& menu = open("TForm16");
    const std::size_t forms = gui::Application::instance().forms().size();
    gui::Form& last = open("TForm49");
    answerRight(last);
    EXPECT_FALSE(last.isVisible());
    EXPECT_EQ(gui::Application::instance().forms().size(), forms + 1);
    EXPECT_EQ(gui::Display::instance().activeForm(), &menu);
    EXPECT_EQ(instanceCount("TForm27"), 0);
}

TEST_F(PracticeTest, TheLastScreenJustClosesWhileAnotherExerciseIsUndone)
{
    setAllDoneBut(0);
    gui::Form& last = open("TForm49");
    answerRight(last);
    EXPECT_EQ(messages, QStringList{Praise});
    EXPECT_TRUE(progress().PracticeDone[9]);
    EXPECT_FALSE(last.isVisible());
    EXPECT_EQ(instanceCount("TForm27"), 0);
}

// The first parts complete nothing: even with every exercise done and no congratulation yet they
// go on to their second parts.
TEST_F(PracticeTest, TheFirstPartsNeverCongratulate)
{
    for (const char* first : {"TForm24", "TForm25", "TForm45"}) {
        progress().PracticeDone.fill(true);
        answerRight(open(first));
        EXPECT_TRUE(isOpen(adverbs::chainLink(first).next)) << first;
    }
    EXPECT_EQ(messages, QStringList(3, Praise));
    EXPECT_EQ(instanceCount("TForm27"), 0);

    progress() = {};
    for (const char* first : {"TForm24", "TForm25", "TForm45"})
        answerRight(open(first));
    EXPECT_EQ(progress().PracticeDone, adverbs::PracticeProgress{}.PracticeDone);
}

// From the menu's item 7 through 8, 9 and 10, every right answer opens the next screen; with the
// other exercises done, the last one opens the congratulation, once.
TEST_F(PracticeTest, ItemSevenLeadsThroughTheChainToTheCongratulation)
{
    progress().PracticeDone.fill(true);
    for (int exercise = 6; exercise <= 9; ++exercise)
        progress().PracticeDone[exercise] = false;
    gui::Form& menu = open("TForm16");
    menu.label("Label8").click();
    for (const char* screen : spellingScreens) {
        ASSERT_TRUE(isOpen(screen)) << screen;
        answerRight(newest(screen));
    }
    EXPECT_EQ(messages, QStringList(7, Praise));
    EXPECT_EQ(instanceCount("TForm27"), 1);
    EXPECT_TRUE(isOpen("TForm27"));
    for (const char* mark : {"Label19", "Label20", "Label21", "Label23"})
        EXPECT_TRUE(menu.label(mark).isShown()) << mark;
}

TEST_F(PracticeTest, EnterChecksAndEscClosesOnEverySpellingScreen)
{
    for (const char* screenName : spellingScreens) {
        SCOPED_TRACE(screenName);
        messages.clear();
        gui::Form& screen = open(screenName);
        pressKey(screen, Qt::Key_Return);
        EXPECT_EQ(messages, QStringList{Retry});
        for (const QString& option : keyOf(screenName))
            testing_support::clickControl(screen, option);
        pressKey(screen, Qt::Key_Return);
        EXPECT_EQ(messages, (QStringList{Retry, Praise}));
        EXPECT_FALSE(screen.isVisible());

        progress() = {};
        gui::Form& closed = open(screenName);
        for (const QString& option : keyOf(screenName))
            testing_support::clickControl(closed, option);
        pressKey(closed, Qt::Key_Escape);
        EXPECT_FALSE(closed.isVisible());
        EXPECT_EQ(messages.size(), 2);
        EXPECT_EQ(progress().PracticeDone, adverbs::PracticeProgress{}.PracticeDone);
        gui::Application::instance().reset();
    }
}

} // namespace
