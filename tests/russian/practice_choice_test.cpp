#include "tests/russian/practice_support.h"

#include <map>

namespace {

using namespace practice_testing;
using testing_support::clickControl;

class ChoiceScreenTest : public PracticeTest, public ::testing::WithParamInterface<ChoiceScreen> {
protected:
    QStringList key() const { return named("Label", GetParam().key); }

    // The options of the group whose right option is the key's entry `group`.
    QStringList group(std::size_t index) const { return named("Label", GetParam().groups[index]); }

    QStringList options() const
    {
        QStringList all;
        for (std::size_t i = 0; i < GetParam().groups.size(); ++i)
            all << group(i);
        return all;
    }

    // Every label's colour, by name.
    static std::map<QString, gui::Color> colours(const gui::Form& screen)
    {
        std::map<QString, gui::Color> seen;
        for (gui::Control* control : screen.controls())
            if (auto* label = qobject_cast<gui::Label*>(control->asObject()))
                seen[label->controlName()] = label->color();
        return seen;
    }
};

// The options are the screen's only clickable labels; none is chosen at the start, yet none is
// black either: they start in the window-text colour.
TEST_P(ChoiceScreenTest, StartsWithNoOptionChosenAndIsWrongBeforeAnyClick)
{
    const ChoiceScreen& declared = GetParam();
    gui::Form& screen = open(declared.screen);
    QStringList expected = options();
    QStringList seen = optionLabels(screen);
    expected.sort();
    seen.sort();
    EXPECT_EQ(seen, expected);
    for (const QString& option : options())
        EXPECT_EQ(screen.label(option).color(), gui::clWindowText) << option.toStdString();

    screen.button("BitBtn2").click(); // "Я ответил/а"
    screen.button("BitBtn2").click();
    EXPECT_EQ(messages, (QStringList{Retry, Retry}));
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(shared::instanceOf(declared.next), nullptr);
}

TEST_P(ChoiceScreenTest, PraisesItsKeyWhileStillShownThenOpensTheNextScreen)
{
    const ChoiceScreen& declared = GetParam();
    gui::Form& screen = open(declared.screen);
    bool praisedFirst = false;
    gui::MessageBox::setObserver([&](gui::MessageBox& box) {
        praisedFirst = box.text() == Praise && screen.isVisible() &&
                       shared::instanceOf(declared.next) == nullptr;
        box.dismiss();
    });
    answer(screen, key());
    EXPECT_TRUE(praisedFirst);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(isOpen(declared.next));
}

// One group left unchosen, or one group on a wrong option: each is wrong, and the choices stay.
TEST_P(ChoiceScreenTest, RejectsEverySingleDeviationAndKeepsTheChoices)
{
    const ChoiceScreen& declared = GetParam();
    std::vector<QStringList> wrongAnswers;
    for (std::size_t i = 0; i < declared.groups.size(); ++i) {
        QStringList missing = key();
        missing.removeAt(qsizetype(i));
        wrongAnswers.push_back(missing);
        for (const QString& option : group(i)) {
            if (option != key()[qsizetype(i)]) {
                QStringList deviation = key();
                deviation[qsizetype(i)] = option;
                wrongAnswers.push_back(deviation);
            }
        }
    }
    for (const QStringList& chosen : wrongAnswers) {
        SCOPED_TRACE(chosen.join(' ').toStdString());
        messages.clear();
        gui::Form& screen = open(declared.screen);
        answer(screen, chosen);
        EXPECT_EQ(messages, QStringList{Retry});
        EXPECT_TRUE(screen.isVisible());
        for (const QString& option : options())
            EXPECT_EQ(selected(screen, option), chosen.contains(option)) << option.toStdString();
        EXPECT_EQ(shared::instanceOf(declared.next), nullptr);
        screen.Close();
    }
}

// Every wrong option of a group chosen first, then the right one: the last choice is the one that
// counts, and each click leaves exactly one option of its group chosen, its mates black.
TEST_P(ChoiceScreenTest, TheLastChoiceOfAGroupCounts)
{
    const ChoiceScreen& declared = GetParam();
    gui::Form& screen = open(declared.screen);
    for (std::size_t i = 0; i < declared.groups.size(); ++i) {
        QStringList order = group(i);
        order.removeOne(key()[qsizetype(i)]);
        order.append(key()[qsizetype(i)]);
        for (const QString& option : order) {
            clickControl(screen, option);
            for (const QString& mate : group(i)) {
                EXPECT_EQ(screen.label(mate).color(), mate == option ? gui::clBlue : gui::clBlack)
                    << option.toStdString() << " then " << mate.toStdString();
            }
        }
    }
    screen.button("BitBtn2").click();
    EXPECT_EQ(messages, QStringList{Praise});
}

// A second click of its own on a chosen option changes nothing (the first pair of exercise 10
// excepted, see below); nor does any click change a label outside the clicked group, headings
// included.
TEST_P(ChoiceScreenTest, AChosenOptionStaysChosenAndNothingElseChanges)
{
    const ChoiceScreen& declared = GetParam();
    gui::Form& screen = open(declared.screen);
    const std::map<QString, gui::Color> before = colours(screen);
    EXPECT_EQ(screen.label("Label1").color(), gui::clGreen);
    for (std::size_t i = 0; i < declared.groups.size(); ++i) {
        for (const QString& option : group(i)) {
            if (QString(declared.screen) == "TForm19" && option == "Label6")
                continue;
            clickControl(screen, option);
            const std::map<QString, gui::Color> chosen = colours(screen);
            clickControl(screen, option);
            EXPECT_EQ(colours(screen), chosen) << option.toStdString();
        }
    }
    for (const auto& [name, colour] : colours(screen)) {
        if (!options().contains(name)) {
            EXPECT_EQ(colour, before.at(name)) << name.toStdString();
        }
    }
    EXPECT_TRUE(messages.isEmpty());
}

TEST_P(ChoiceScreenTest, ClosesOnItsCloseButtonAndOnEscape)
{
    const ChoiceScreen& declared = GetParam();
    gui::Form& screen = open(declared.screen);
    clickControl(screen, key().front());
    screen.button("BitBtn1").click(); // "Закрыть"
    EXPECT_FALSE(screen.isVisible());

    gui::Form& again = open(declared.screen);
    EXPECT_NE(&again, &screen);
    EXPECT_EQ(again.label(key().front()).color(), gui::clWindowText);
    testing_support::pressKey(again, Qt::Key_Escape);
    EXPECT_FALSE(again.isVisible());
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_EQ(shared::instanceOf(declared.next), nullptr);
}

TEST_P(ChoiceScreenTest, FillsTheLowerHalfUnderARuleTwoPixelsHigh)
{
    useDisplay(1920, 1440);
    gui::Form& screen = open(GetParam().screen);
    EXPECT_EQ(screen.geometry(), QRect(0, 720, 1920, 720));
    EXPECT_EQ(screen.shape("Shape1").bounds(), QRect(0, 0, 1920, 2));
}

INSTANTIATE_TEST_SUITE_P(Practice, ChoiceScreenTest, ::testing::ValuesIn(choiceScreens),
                         [](const auto& info) { return std::string(info.param.screen); });

// The first pair of exercise 10 is the one that a click can clear again: two clicks of their own
// leave it with no choice, and the answer is wrong until it is chosen once more.
TEST_F(PracticeTest, TheFirstPairOfTheNotRulesCanBeClearedAgain)
{
    gui::Form& screen = open("TForm19");
    answer(screen, {"Label6", "Label6", "Label20", "Label21"}); // "слитно," twice
    EXPECT_EQ(screen.label("Label6").color(), gui::clBlack);
    EXPECT_EQ(screen.label("Label19").color(), gui::clBlack);
    EXPECT_EQ(messages, QStringList{Retry});

    // From "раздельно" chosen: "слитно," takes the choice, and its second click clears the pair.
    clickControl(screen, "Label19");
    EXPECT_TRUE(selected(screen, "Label19"));
    clickControl(screen, "Label6");
    EXPECT_TRUE(selected(screen, "Label6"));
    EXPECT_EQ(screen.label("Label19").color(), gui::clBlack);
    clickControl(screen, "Label6");
    EXPECT_EQ(screen.label("Label6").color(), gui::clBlack);
    EXPECT_EQ(screen.label("Label19").color(), gui::clBlack);
    screen.button("BitBtn2").click();
    EXPECT_EQ(messages, (QStringList{Retry, Retry}));

    clickControl(screen, "Label6");
    screen.button("BitBtn2").click();
    EXPECT_EQ(messages, (QStringList{Retry, Retry, Praise}));
    EXPECT_TRUE(isOpen("TForm20"));
}

// The right answer of the set phrases brings their four drawings, which show while the praise is
// up; a wrong answer leaves them hidden.
TEST_F(PracticeTest, TheSetPhrasesShowTheirDrawingsOnlyWithTheRightAnswer)
{
    gui::Form& screen = open("TForm26");
    const QStringList drawings = {"Image1", "Image2", "Image3", "Image4"};
    const std::vector<QSize> sizes = {{92, 130}, {93, 130}, {107, 130}, {185, 130}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(screen.image(drawings[i]).isShown());
        EXPECT_EQ(screen.image(drawings[i]).picture().size(), sizes[std::size_t(i)]);
    }
    answer(screen, {"Label5", "Label13", "Label17", "Label22"}); // "приклеенный,"
    EXPECT_EQ(messages, QStringList{Retry});
    for (const QString& drawing : drawings)
        EXPECT_FALSE(screen.image(drawing).isShown());

    bool shownDuringPraise = false;
    gui::MessageBox::setObserver([&](gui::MessageBox& box) {
        shownDuringPraise = box.text() == Praise && screen.isVisible();
        for (const QString& drawing : drawings)
            shownDuringPraise = shownDuringPraise && screen.image(drawing).isShown();
        box.dismiss();
    });
    answer(screen, {"Label18"}); // "подвешенный,"
    EXPECT_TRUE(shownDuringPraise);
    EXPECT_TRUE(isOpen("TForm27"));
}

// The odd one out shows the same drawings from the start, in frames of its own, and each of the
// four words inside its white frame, at every display size.
TEST_F(PracticeTest, TheOddOneOutShowsTheDrawingsAndFramesEveryWord)
{
    for (const QSize& display : {QSize(800, 600), QSize(1024, 768), QSize(1920, 1440)}) {
        useDisplay(display.width(), display.height());
        gui::Form& screen = open("TForm27");
        const qreal scale = display.width() / 800.0;
        const std::vector<QRect> frames = {
            {72, 40, 97, 137}, {256, 40, 105, 137}, {432, 40, 113, 137}, {584, 40, 193, 137}};
        for (int i = 0; i < 4; ++i) {
            const gui::Image& drawing = screen.image("Image" + QString::number(i + 1));
            const QRect& frame = frames[std::size_t(i)];
            EXPECT_TRUE(drawing.isShown());
            EXPECT_EQ(drawing.bounds(),
                      QRect(qRound(frame.x() * scale), qRound(frame.y() * scale),
                            qRound(frame.width() * scale), qRound(frame.height() * scale)));
        }
        const QStringList words = {"выжатый", "заведённая", "подвешенный", "стреляный"};
        for (int i = 0; i < 4; ++i) {
            const gui::Shape& frame = screen.shape("Shape" + QString::number(i + 2));
            const gui::Label& word = screen.label("Label" + QString::number(i + 2));
            SCOPED_TRACE(word.text().toStdString() + " at " + std::to_string(display.width()));
            EXPECT_EQ(word.text(), words[i]);
            EXPECT_EQ(frame.bounds().size(), QSize(qRound(161 * scale), qRound(41 * scale)));
            EXPECT_TRUE(frame.bounds().contains(word.bounds()));
            EXPECT_LE(std::abs(frame.bounds().center().x() - word.bounds().center().x()),
                      qRound(4 * scale));
        }
        screen.Close();
    }
}

} // namespace
