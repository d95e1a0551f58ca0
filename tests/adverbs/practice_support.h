#pragma once

#include "adverbs/Program.h"
#include "adverbs/practice/PracticeProgress.h"
#include "shared/Screens.h"
#include "tests/support/GuiTest.h"

#include <QStringList>
#include <vector>

namespace practice_testing {

inline const QString Praise = "Молодец!!!";
inline const QString Retry = "Ответ неправильный!!! Попробуй ещё раз.";

// The answer keys of the practice, as the exercises are set. A group reads "options>key" in
// label numbers.
struct ChoiceScreen {
    const char* screen;
    QStringList groups;
    bool praises;
    const char* next;
};

inline const std::vector<ChoiceScreen> choiceScreens = {
    {"TForm18", {"5 6>5", "11 12>12", "18 19>19", "25 26>25"}, true, "TForm19"},
    {"TForm19", {"5 6>5", "10 11>10", "18 19>19", "23 24>24"}, true, "TForm20"},
    {"TForm20",
     {"3 4 5 6>5", "10 14 11 12>11", "18 19 20 21>21", "25 26 27 28>25"},
     false,
     "TForm46"},
    {"TForm46", {"13 2 3 4>3"}, true, "TForm21"},
    {"TForm22",
     {"5 4>5", "7 8>8", "10 12>10", "15 16>16", "18 20>18", "22 23>23", "25 27>27", "29 30>29",
      "32 34>34", "36 37>36"},
     true,
     "TForm23"},
};

inline const QStringList poemAdverbs = {"Label5", "Label10", "Label11", "Label16", "Label21"};

struct Group {
    QStringList options;
    QString key;
};

inline Group groupOf(const QString& text)
{
    const QStringList parts = text.split('>');
    Group group{{}, "Label" + parts[1]};
    for (const QString& number : parts[0].split(' '))
        group.options << "Label" + number;
    return group;
}

// The right answer of an exercise screen: the labels to click.
inline QStringList keyOf(const QString& screen)
{
    if (screen == "TForm17")
        return poemAdverbs;
    QStringList key;
    for (const ChoiceScreen& declared : choiceScreens)
        if (screen == declared.screen)
            for (const QString& group : declared.groups)
                key << groupOf(group).key;
    return key;
}

// A test of the adverb practice: the program's screens registered and the progress store
// back at its start state.
class PracticeTest : public testing_support::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        adverbs::registerScreens();
        progress() = {};
    }

    static adverbs::PracticeProgress& progress() { return adverbs::practiceProgress(); }

    static void setAllDoneBut(int exercise)
    {
        progress().PracticeDone.fill(true);
        progress().PracticeDone[exercise] = false;
    }

    static gui::Form& open(const QString& screen) { return *shared::OpenForm(screen); }
    static gui::Form& newest(const QString& screen) { return *shared::instanceOf(screen); }

    static bool isOpen(const QString& screen)
    {
        gui::Form* form = shared::instanceOf(screen);
        return form && form->isVisible();
    }

    // How many instances of the class this test has created.
    static int instanceCount(const QString& screen)
    {
        int count = 0;
        for (const auto& form : gui::Application::instance().forms())
            count += form->className() == screen ? 1 : 0;
        return count;
    }

    // Clicks the options in turn, then "Ответил".
    static void answer(gui::Form& screen, const QStringList& options)
    {
        for (const QString& option : options)
            testing_support::clickControl(screen, option);
        screen.button("BitBtn2").click();
    }

    static void answerRight(gui::Form& screen) { answer(screen, keyOf(screen.className())); }
};

} // namespace practice_testing
