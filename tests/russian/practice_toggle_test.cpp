#include "tests/russian/practice_support.h"

#include "russian/practice/PracticeChain.h"

#include <QTimer>
#include <set>

namespace {

using namespace practice_testing;
using testing_support::clickControl;

// Words whose state never decides, and controls that toggle a word of their own.
const QStringList notOnTheirOwn = {"Label33", "Label26"};

class ToggleScreenTest : public PracticeTest, public ::testing::WithParamInterface<ToggleScreen> {
protected:
    QStringList key() const { return named("Label", GetParam().key); }
};

TEST_P(ToggleScreenTest, IsWrongBeforeAnyClickAndRightWithItsKey)
{
    const ToggleScreen& declared = GetParam();
    gui::Form& screen = open(declared.screen);
    screen.button("BitBtn2").click();
    EXPECT_EQ(messages, QStringList{Retry});
    EXPECT_TRUE(screen.isVisible());

    answer(screen, key());
    EXPECT_EQ(messages, (QStringList{Retry, Praise}));
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(isOpen(declared.next));
}

TEST_P(ToggleScreenTest, RejectsEverySingleDeviationAndKeepsTheMarks)
{
    const ToggleScreen& declared = GetParam();
    std::vector<QStringList> wrongAnswers;
    for (const QString& word : key()) {
        QStringList missing = key();
        missing.removeOne(word);
        wrongAnswers.push_back(missing);
    }
    const QStringList options = optionLabels(open(declared.screen));
    for (const QString& option : options)
        if (!key().contains(option) && !notOnTheirOwn.contains(option))
            wrongAnswers.push_back(key() + QStringList{option});
    ASSERT_GT(wrongAnswers.size(), key().size() + 1);

    for (const QStringList& marked : wrongAnswers) {
        SCOPED_TRACE(marked.join(' ').toStdString());
        messages.clear();
        gui::Form& screen = open(declared.screen);
        answer(screen, marked);
        EXPECT_EQ(messages, QStringList{Retry});
        EXPECT_TRUE(screen.isVisible());
        for (const QString& option : options) {
            if (!notOnTheirOwn.contains(option)) {
                EXPECT_EQ(selected(screen, option), marked.contains(option))
                    << option.toStdString();
            }
        }
        EXPECT_EQ(shared::instanceOf(declared.next), nullptr);
        screen.Close();
    }
}

// Two clicks of its own each (a double click counts as one) return every word to black; only
// the colours at the check count.
TEST_P(ToggleScreenTest, ASecondClickUnmarksAWord)
{
    const ToggleScreen& declared = GetParam();
    gui::Form& screen = open(declared.screen);
    const QStringList options = optionLabels(screen);
    for (const QString& option : options) {
        clickControl(screen, option);
        clickControl(screen, option);
    }
    for (const QString& option : options)
        EXPECT_EQ(screen.label(option).color(), gui::clBlack) << option.toStdString();
    answer(screen, key());
    EXPECT_EQ(messages, QStringList{Praise});
}

INSTANTIATE_TEST_SUITE_P(Practice, ToggleScreenTest, ::testing::ValuesIn(toggleScreens),
                         [](const auto& info) { return std::string(info.param.screen); });

TEST_F(PracticeTest, TheDefinitionIsRightWithOrWithoutThePredicate)
{
    const QStringList key = named("Label", toggleScreens[0].key);
    answer(open("TForm11"), key + QStringList{"Label33"}); // "сказуемым,"
    EXPECT_EQ(messages, QStringList{Praise});

    messages.clear();
    gui::Form& screen = open("TForm11");
    answer(screen, key + QStringList{"Label33", "Label13"}); // "чей?"
    EXPECT_EQ(messages, QStringList{Retry});
    clickControl(screen, "Label13");
    screen.button("BitBtn2").click();
    EXPECT_EQ(messages, (QStringList{Retry, Praise}));
}

TEST_F(PracticeTest, TheFullStopTogglesTheLastSuffixAndNeverItself)
{
    gui::Form& screen = open("TForm12");
    clickControl(screen, "Label26");          // "."
    EXPECT_TRUE(selected(screen, "Label25")); // "-ик-"
    EXPECT_EQ(screen.label("Label26").color(), gui::clBlack);

    answer(screen, named("Label", toggleScreens[1].key));
    EXPECT_EQ(messages, QStringList{Retry});
    clickControl(screen, "Label26");
    EXPECT_EQ(screen.label("Label25").color(), gui::clBlack);
    EXPECT_EQ(screen.label("Label26").color(), gui::clBlack);
    screen.button("BitBtn2").click();
    EXPECT_EQ(messages, (QStringList{Retry, Praise}));
}

TEST_F(PracticeTest, TheLandscapeShowsOnlyWithTheRightAnswerAndDuringThePraise)
{
    gui::Form& verse = open("TForm13");
    const gui::Image& landscape = verse.image("Image1");
    EXPECT_FALSE(landscape.isShown());
    EXPECT_EQ(landscape.picture().size(), QSize(173, 250));
    answer(verse, {"Label3", "Label6", "Label12"});
    EXPECT_FALSE(landscape.isShown());

    bool shownDuringPraise = false;
    gui::MessageBox::setObserver([&](gui::MessageBox& box) {
        shownDuringPraise = box.text() == Praise && verse.isVisible() && landscape.isShown();
        box.dismiss();
    });
    answer(verse, {"Label21"}); // "покрытую"
    EXPECT_TRUE(shownDuringPraise);
}

TEST_F(PracticeTest, LeavingThePracticeAndComingBackStartsAtTheFirstScreenAfresh)
{
    gui::Form& menu = startedMainMenu();
    clickControl(menu, "Label5"); // "II. Закрепите изученное"
    gui::Form* first = shared::instanceOf("TForm11");
    ASSERT_TRUE(first && first->isVisible());
    EXPECT_EQ(first->geometry(), QRect(0, 300, 800, 300));
    answer(*first, named("Label", toggleScreens[0].key));
    gui::Form& second = *shared::instanceOf("TForm12");
    clickControl(second, "Label4");
    testing_support::pressKey(second, Qt::Key_Escape); // "Закрыть"
    EXPECT_FALSE(second.isVisible());
    EXPECT_TRUE(menu.isVisible());

    clickControl(menu, "Label5");
    gui::Form* again = shared::instanceOf("TForm11");
    ASSERT_NE(again, first);
    EXPECT_TRUE(again->isVisible());
    for (const QString& option : optionLabels(*again))
        EXPECT_EQ(again->label(option).color(), gui::clBlack) << option.toStdString();
    again->button("BitBtn1").click(); // "Закрыть"
    EXPECT_FALSE(again->isVisible());
    EXPECT_EQ(gui::Display::instance().activeForm(), &menu);
}

TEST_F(PracticeTest, TheChainRunsThroughEveryExerciseScreenOnceToTheCongratulation)
{
    const std::vector<russian::ChainStep>& chain = russian::practiceChain();
    ASSERT_EQ(chain.size(), 17u);
    EXPECT_EQ(chain.front().screen, "TForm11");
    EXPECT_EQ(chain.back().next, "TForm28");
    std::set<QString> screens;
    for (std::size_t i = 0; i < chain.size(); ++i) {
        screens.insert(chain[i].screen);
        if (i + 1 < chain.size()) {
            EXPECT_EQ(chain[i].next, chain[i + 1].screen) << i;
        }
    }
    std::set<QString> expected;
    for (int number = 11; number <= 27; ++number)
        expected.insert("TForm" + QString::number(number));
    EXPECT_EQ(screens, expected);
}

TEST_F(PracticeTest, TheCongratulationLeadsToTheTestChooserOrCloses)
{
    useDisplay(1024, 768);
    gui::Form& congratulation = open("TForm28");
    EXPECT_EQ(congratulation.geometry(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(QApplication::focusWidget(), &congratulation.button("BitBtn1")); // "Закрыть"
    congratulation.button("BitBtn2").click(); // "Выполнить тест"
    EXPECT_FALSE(congratulation.isVisible());
    EXPECT_TRUE(isOpen("TForm29"));

    gui::Form* chooser = shared::instanceOf("TForm29");
    gui::Form& again = open("TForm28");
    testing_support::pressKey(again, Qt::Key_Escape);
    EXPECT_FALSE(again.isVisible());
    EXPECT_EQ(shared::instanceOf("TForm29"), chooser);
    EXPECT_TRUE(messages.isEmpty());
}

// The practice fills the lower half of the display; its rule stays two pixels high however
// wide the display is.
TEST_F(PracticeTest, ScreensFillTheLowerHalfUnderARuleTwoPixelsHigh)
{
    useDisplay(1920, 1440);
    for (const char* name : {"TForm11", "TForm12", "TForm13", "TForm14", "TForm15", "TForm16",
                             "TForm17", "TForm18", "TForm20", "TForm21"}) {
        gui::Form& screen = open(name);
        EXPECT_EQ(screen.geometry(), QRect(0, 720, 1920, 720)) << name;
        EXPECT_EQ(screen.shape("Shape1").bounds(), QRect(0, 0, 1920, 2)) << name;
        screen.Close();
    }
}

} // namespace
