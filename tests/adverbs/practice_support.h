#pragma once

#include "adverbs/Program.h"
#include "adverbs/practice/PracticeProgress.h"
#include "shared/Screens.h"
#include "tests/support/GuiTest.h"

#include <QSize>
#include <QStringList>
#include <vector>

namespace practice_testing {

inline const QString Praise = "Молодец!!!";

// The displays the drawn screens are checked at: the design's and the common larger ones.
inline const std::vector<QSize> displaySizes = {{800, 600},   {1024, 768},  {1152, 864},
                                                {1280, 960},  {1440, 1080}, {1920, 1440}};

// A name for a display size in a test's name: "1024x768".
inline std::string sizeName(const ::testing::TestParamInfo<QSize>& info)
{
    return std::to_string(info.param.width()) + "x" + std::to_string(info.param.height());
}
inline const QString Retry = "Ответ неправильный!!! Попробуй ещё раз.";

// The answer keys of the practice, as the exercises are set. A group reads "options>key" in
// label numbers.
struct ChoiceScreen {
    const char* screen;
    QStringList groups;
    bool praises;
    const char* next;
};

// Both balloon screens have their options and keys under the same names.
inline const QStringList balloonGroups = {"3 4>3", "8 11>11", "13 16>16", "17 20>17", "22 25>22"};

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
    {"TForm24",
     {"2 3>3", "6 7>7", "10 11>11", "15 16>15", "19 20>19", "23 24>24", "27 28>27"},
     true,
     "TForm47"},
    {"TForm47",
     {"2 3>2", "6 7>6", "8 9>9", "11 12>12", "15 16>15", "18 19>18", "21 22>22", "24 25>25"},
     true,
     "TForm25"},
    {"TForm25", balloonGroups, true, "TForm48"},
    {"TForm48", balloonGroups, true, "TForm26"},
    {"TForm26",
     {"2 3>2", "6 7>7", "10 11>10", "15 16>16", "19 20>20", "23 24>23", "27 28>27", "31 32>31",
      "35 36>36", "39 40>39", "43 44>44", "47 48>47", "51 52>52", "55 56>55", "59 60>60"},
     true,
     "TForm45"},
    {"TForm45",
     {"3 5 6>6", "8 11 12>11", "15 18 19>19", "21 24 25>25", "27 30 31>31", "33 36 37>37",
      "39 42 43>42", "45 48 49>45"},
     true,
     "TForm49"},
};

// The last screen of the chain: a right answer only closes it (or opens the congratulation).
inline const ChoiceScreen chainEnd = {"TForm49",
                                      {"3 5 6>6", "8 11 12>11", "15 18 19>18", "21 24 25>24",
                                       "27 30 31>27", "33 36 37>33", "39 42 43>43", "45 48 49>45"},
                                      true,
                                      nullptr};

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

// The row of a choice screen, or null.
inline const ChoiceScreen* choiceScreenOf(const QString& screen)
{
    if (screen == chainEnd.screen)
        return &chainEnd;
    for (const ChoiceScreen& declared : choiceScreens)
        if (screen == declared.screen)
            return &declared;
    return nullptr;
}

// The right answer of an exercise screen: the labels to click.
inline QStringList keyOf(const QString& screen)
{
    if (screen == "TForm17")
        return poemAdverbs;
    QStringList key;
    if (const ChoiceScreen* declared = choiceScreenOf(screen))
        for (const QString& group : declared->groups)
            key << groupOf(group).key;
    return key;
}

// Every answer that is right but for one group: each wrong option of each group, and each group
// left untouched.
inline std::vector<QStringList> singleDeviations(const ChoiceScreen& declared)
{
    std::vector<QStringList> answers;
    for (const QString& wrongGroup : declared.groups) {
        QStringList deviations = groupOf(wrongGroup).options;
        deviations.removeOne(groupOf(wrongGroup).key);
        deviations << QString();
        for (const QString& deviation : deviations) {
            QStringList choices;
            for (const QString& group : declared.groups)
                choices << (group == wrongGroup ? deviation : groupOf(group).key);
            choices.removeAll(QString());
            answers.push_back(choices);
        }
    }
    return answers;
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
