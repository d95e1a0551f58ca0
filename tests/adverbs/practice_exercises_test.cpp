#include "tests/adverbs/practice_support.h"

namespace {

using namespace practice_testing;
using testing_support::clickControl;

bool selected(const gui::Form& screen, const QString& option)
{
    return screen.label(option).color() == gui::clBlue;
}

class ChoiceScreenTest : public PracticeTest, public ::testing::WithParamInterface<ChoiceScreen> {};

TEST_P(ChoiceScreenTest, TakesItsKeyAndGoesOn)
{
    const ChoiceScreen& declared = GetParam();
    gui::Form& screen = open(declared.screen);
    answerRight(screen);
    EXPECT_EQ(messages, declared.praises ? QStringList{Praise} : QStringList{});
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(isOpen(declared.next));
}

TEST_P(ChoiceScreenTest, RejectsEverySingleDeviationAndKeepsTheChoices)
{
    const ChoiceScreen& declared = GetParam();
    for (const QString& wrongGroup : declared.groups) {
        // Each wrong option of the group, and the group left untouched.
        QStringList deviations = groupOf(wrongGroup).options;
        deviations.removeOne(groupOf(wrongGroup).key);
        deviations << QString();
        for (const QString& deviation : deviations) {
            SCOPED_TRACE((wrongGroup + " -> " + deviation).toStdString());
            messages.clear();
            QStringList choices;
            for (const QString& group : declared.groups)
                choices << (group == wrongGroup ? deviation : groupOf(group).key);
            choices.removeAll(QString());
            gui::Form& screen = open(declared.screen);
            answer(screen, choices);
            EXPECT_EQ(messages, QStringList{Retry});
            EXPECT_TRUE(screen.isVisible());
            for (const QString& choice : choices)
                EXPECT_TRUE(selected(screen, choice)) << choice.toStdString();
            EXPECT_EQ(shared::instanceOf(declared.next), nullptr);
            screen.Close();
        }
    }
    EXPECT_EQ(progress().PracticeDone, adverbs::PracticeProgress{}.PracticeDone);
}

// Guarded and unconditional groups alike: a click on the chosen option keeps it chosen, a click
// on another moves the choice, and other groups are untouched.
TEST_P(ChoiceScreenTest, AClickChoosesItsOptionAndOnlyItsGroupMatesGiveWay)
{
    const ChoiceScreen& declared = GetParam();
    gui::Form& screen = open(declared.screen);
    for (const QString& text : declared.groups) {
        const Group group = groupOf(text);
        clickControl(screen, group.options[0]);
        clickControl(screen, group.options[0]);
        EXPECT_TRUE(selected(screen, group.options[0]));
        clickControl(screen, group.options.last());
        for (const QString& option : group.options)
            EXPECT_EQ(selected(screen, option), option == group.options.last())
                << option.toStdString();
    }
    for (const QString& text : declared.groups)
        EXPECT_TRUE(selected(screen, groupOf(text).options.last()));
}

INSTANTIATE_TEST_SUITE_P(Practice, ChoiceScreenTest, ::testing::ValuesIn(choiceScreens),
                         [](const auto& info) { return std::string(info.param.screen); });

TEST_F(PracticeTest, ThePoemIsRightWithItsFiveAdverbsAndNothingElseMarked)
{
    std::vector<QStringList> wrongAnswers = {{}};
    for (const QString& adverb : poemAdverbs) {
        QStringList missing = poemAdverbs;
        missing.removeOne(adverb);
        wrongAnswers.push_back(missing);
    }
    gui::Form& layout = open("TForm17");
    for (const gui::Control* control : layout.controls()) {
        const auto* word =
            qobject_cast<const gui::Label*>(const_cast<gui::Control*>(control)->asObject());
        if (word && word->hasClickHandler() && !poemAdverbs.contains(word->controlName()))
            wrongAnswers.push_back(poemAdverbs + QStringList{word->controlName()});
    }
    ASSERT_EQ(wrongAnswers.size(), 1u + 5u + 30u);

    for (const QStringList& marked : wrongAnswers) {
        SCOPED_TRACE(marked.join(' ').toStdString());
        messages.clear();
        gui::Form& poem = open("TForm17");
        answer(poem, marked);
        EXPECT_EQ(messages, QStringList{Retry});
        EXPECT_TRUE(poem.isVisible());
        EXPECT_FALSE(poem.image("Image1").isShown());
    }
    EXPECT_FALSE(progress().PracticeDone[0]);

    messages.clear();
    gui::Form& poem = open("TForm17");
    clickControl(poem, "Label3");
    clickControl(poem, "Label3");
    EXPECT_EQ(poem.label("Label3").color(), gui::clBlack);
    answerRight(poem);
    EXPECT_EQ(messages, QStringList{Praise});
    EXPECT_TRUE(progress().PracticeDone[0]);
    EXPECT_TRUE(isOpen("TForm18"));
}

TEST_F(PracticeTest, TheBirchesShowWhileThePoemIsPraised)
{
    gui::Form& poem = open("TForm17");
    bool pictureShown = false;
    gui::MessageBox::setObserver([&](gui::MessageBox& box) {
        pictureShown = poem.isVisible() && poem.image("Image1").isShown();
        box.dismiss();
    });
    answerRight(poem);
    EXPECT_TRUE(pictureShown);
    EXPECT_FALSE(poem.image("Image1").picture().isNull());
}

} // namespace
