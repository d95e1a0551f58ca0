#include "tests/adverbs/practice_support.h"

#include "adverbs/practice/PracticeChain.h"

#include <set>

namespace {

using adverbs::CompletionGate;
using adverbs::PracticeProgress;
using namespace practice_testing;

const char* const doneMarks[] = {"Label12", "Label14", "Label15", "Label16", "Label17",
                                 "Label18", "Label19", "Label20", "Label21", "Label23"};

TEST(CompletionGate, HoldsOnlyWithEveryExerciseDoneAndNoCongratulationYet)
{
    PracticeProgress progress;
    EXPECT_FALSE(CompletionGate(progress));
    progress.PracticeDone.fill(true);
    EXPECT_TRUE(CompletionGate(progress));
    for (int missing = 0; missing < PracticeProgress::ExerciseCount; ++missing) {
        PracticeProgress nineDone = progress;
        nineDone.PracticeDone[missing] = false;
        EXPECT_FALSE(CompletionGate(nineDone)) << "exercise " << missing + 1 << " not done";
    }
    progress.CongratsShown = true;
    EXPECT_FALSE(CompletionGate(progress));
}

TEST_F(PracticeTest, TheTenthCompletionOnAScreenOpensTheCongratulationInsteadOfTheNext)
{
    setAllDoneBut(0);
    gui::Form& poem = open("TForm17");
    answerRight(poem);
    EXPECT_EQ(messages, QStringList{Praise});
    EXPECT_FALSE(poem.isVisible());
    EXPECT_TRUE(isOpen("TForm27"));
    EXPECT_EQ(instanceCount("TForm27"), 1);
    EXPECT_EQ(shared::instanceOf("TForm18"), nullptr);
}

// Items are clicked directly: the marks drawn over item 6 reach up into item 5 and take the
// clicks there, as the layout has them.
TEST_F(PracticeTest, TheTenthCompletionUnderTheMenuOpensTheCongratulationOnce)
{
    gui::Form& menu = open("TForm16");
    menu.label("Label5").click();
    setAllDoneBut(4);
    answerRight(newest("TForm22"));
    EXPECT_EQ(messages, QStringList{Praise});
    EXPECT_EQ(instanceCount("TForm27"), 1);
    ASSERT_TRUE(isOpen("TForm27"));

    newest("TForm27").button("BitBtn1").click();
    EXPECT_EQ(gui::Display::instance().activeForm(), &menu);
    EXPECT_EQ(instanceCount("TForm27"), 1);
    for (const char* mark : doneMarks)
        EXPECT_TRUE(menu.label(mark).isShown()) << mark;
}

TEST_F(PracticeTest, TheMenuOpensTheCongratulationOnceWhenItFindsEverythingDone)
{
    progress().PracticeDone.fill(true);
    gui::Form& menu = open("TForm16");
    EXPECT_TRUE(isOpen("TForm27"));
    EXPECT_TRUE(menu.isVisible());
    newest("TForm27").button("BitBtn1").click();
    open("TForm16");
    EXPECT_EQ(instanceCount("TForm27"), 1);
}

TEST_F(PracticeTest, WithoutTheGateCompletingScreensFollowTheChain)
{
    setAllDoneBut(9);
    gui::Form& menu = open("TForm16");
    answerRight(open("TForm17"));
    EXPECT_TRUE(isOpen("TForm18"));

    progress().PracticeDone.fill(true);
    progress().CongratsShown = true;
    answerRight(open("TForm19"));
    EXPECT_TRUE(isOpen("TForm20"));

    // The odd one out leads to the crossword.
    gui::Form& odd = open("TForm46");
    answerRight(odd);
    EXPECT_FALSE(odd.isVisible());
    EXPECT_TRUE(isOpen("TForm21"));
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(instanceCount("TForm27"), 0);
}

TEST_F(PracticeTest, TheMenuMarksExactlyTheExercisesDone)
{
    gui::Form& fresh = open("TForm16");
    for (const char* mark : doneMarks)
        EXPECT_FALSE(fresh.label(mark).isShown()) << mark;

    progress().PracticeDone[0] = progress().PracticeDone[4] = true;
    gui::Form& later = open("TForm16");
    for (int i = 0; i < PracticeProgress::ExerciseCount; ++i)
        EXPECT_EQ(later.label(doneMarks[i]).isShown(), i == 0 || i == 4) << doneMarks[i];
    EXPECT_EQ(instanceCount("TForm27"), 0);
}

TEST_F(PracticeTest, ATwoPartExerciseIsDoneOnlyWhenItsSecondPartIsRight)
{
    gui::Form& menu = open("TForm16");
    menu.label("Label2").click();
    answerRight(newest("TForm18"));
    newest("TForm19").button("BitBtn1").click();
    EXPECT_EQ(gui::Display::instance().activeForm(), &menu);
    EXPECT_FALSE(menu.label("Label14").isShown());

    menu.label("Label2").click();
    answerRight(newest("TForm18"));
    answerRight(newest("TForm19"));
    newest("TForm20").button("BitBtn1").click();
    EXPECT_TRUE(menu.label("Label14").isShown());
}

TEST_F(PracticeTest, TheMenuOpensTheFirstScreenOfEachExercise)
{
    gui::Form& menu = open("TForm16");
    const std::pair<const char*, const char*> items[] = {
        {"Label13", "TForm17"}, {"Label2", "TForm18"}, {"Label3", "TForm20"}, {"Label4", "TForm21"},
        {"Label5", "TForm22"},  {"Label6", "TForm23"}, {"Label8", "TForm24"}, {"Label9", "TForm25"},
        {"Label10", "TForm26"}, {"Label22", "TForm45"}};
    // Clicked in the middle of its text, where a decoration of the item below may lie over it.
    for (const auto& [item, screen] : items) {
        testing_support::clickControl(menu, item);
        EXPECT_TRUE(isOpen(screen)) << item;
        if (gui::Form* opened = shared::instanceOf(screen))
            opened->Close();
    }
    menu.button("BitBtn2").click();
    EXPECT_TRUE(isOpen("TForm17"));
    EXPECT_EQ(instanceCount("TForm17"), 2);

    progress().PracticeDone[0] = true;
    gui::Form& marked = open("TForm16");
    const size_t forms = gui::Application::instance().forms().size();
    testing_support::clickControl(marked, "Label12");
    EXPECT_EQ(gui::Application::instance().forms().size(), forms);
    EXPECT_EQ(marked.label("Label12").cursor(), Qt::ArrowCursor);

    marked.button("BitBtn1").click();
    EXPECT_FALSE(marked.isVisible());
}

TEST_F(PracticeTest, TheCongratulationLeadsToTheTestOrJustCloses)
{
    gui::Form& closed = open("TForm27");
    EXPECT_TRUE(progress().CongratsShown);
    closed.button("BitBtn1").click();
    EXPECT_FALSE(closed.isVisible());
    EXPECT_EQ(shared::instanceOf("TForm28"), nullptr);

    gui::Form& toTest = open("TForm27");
    toTest.button("BitBtn2").click();
    EXPECT_FALSE(toTest.isVisible());
    EXPECT_TRUE(isOpen("TForm28"));
}

TEST_F(PracticeTest, TheMainMenuOpensThePracticeMenu)
{
    testing_support::clickControl(open("TMain"), "Label3");
    EXPECT_TRUE(isOpen("TForm16"));
}

// The chain names each screen once, each one a screen of the program; its completing screens
// cover the ten exercises.
TEST_F(PracticeTest, TheChainNamesOnlyScreensOfTheProgram)
{
    const QStringList registered = shared::registeredClasses();
    QStringList screens;
    std::set<int> completed;
    for (const adverbs::ChainLink& link : adverbs::practiceChain()) {
        EXPECT_TRUE(registered.contains(link.screen)) << link.screen.toStdString();
        if (!link.next.isEmpty()) {
            EXPECT_TRUE(registered.contains(link.next)) << link.next.toStdString();
        }
        EXPECT_FALSE(screens.contains(link.screen)) << link.screen.toStdString();
        screens.append(link.screen);
        if (link.completes)
            completed.insert(*link.completes);
    }
    EXPECT_EQ(completed.size(), std::size_t(PracticeProgress::ExerciseCount));
}

} // namespace
