#pragma once

#include "russian/Program.h"
#include "shared/Screens.h"
#include "tests/support/GuiTest.h"

#include <QStringList>
#include <QTimer>
#include <vector>

namespace practice_testing {

inline const QString Praise = "Молодец!!!";
inline const QString Retry = "Ответ неправильный!!! Попробуй ещё раз.";

// The word-toggle screens as they are set: the words to mark, in label numbers; next, the screen
// a right answer opens.
struct ToggleScreen {
    const char* screen;
    std::vector<int> key;
    const char* next;
};

inline const std::vector<ToggleScreen> toggleScreens = {
    {"TForm11", {8, 12, 17, 18, 20, 21, 22, 24, 28, 34}, "TForm12"},
    {"TForm12", {4, 6, 8, 9, 11, 13, 14, 16, 17, 19, 22, 24}, "TForm13"},
    {"TForm13", {3, 6, 12, 21}, "TForm14"},
};

// The check-box screens: the boxes to tick, in box numbers.
struct BoxScreen {
    const char* screen;
    int boxCount;
    std::vector<int> key;
    const char* next;
};

inline const std::vector<BoxScreen> boxScreens = {
    {"TForm14", 10, {3, 10}, "TForm24"},     {"TForm15", 6, {2, 4, 5}, "TForm16"},
    {"TForm16", 5, {3, 5}, "TForm17"},       {"TForm17", 5, {2, 5}, "TForm18"},
    {"TForm18", 5, {2, 3}, "TForm19"},       {"TForm20", 5, {3, 4, 5}, "TForm21"},
    {"TForm21", 9, {1, 5, 6, 7}, "TForm25"},
};

// The choice-group screens: each group's options and, in the order the answer is checked, the
// right option of each group, in label numbers.
struct ChoiceScreen {
    const char* screen;
    std::vector<std::vector<int>> groups;
    std::vector<int> key;
    const char* next;
};

inline const std::vector<ChoiceScreen> choiceScreens = {
    {"TForm24",
     {{7, 8, 9, 10, 11}, {13, 14, 15, 16, 17}, {19, 20, 21, 22, 23}},
     {9, 13, 23},
     "TForm15"},
    {"TForm19", {{6, 19}, {11, 20}, {16, 21}}, {6, 20, 21}, "TForm20"},
    {"TForm25",
     {{4, 5},
      {7, 8},
      {11, 12},
      {14, 15},
      {18, 19},
      {21, 22},
      {35, 36},
      {28, 29},
      {25, 26},
      {32, 33},
      {39, 40},
      {42, 43},
      {46, 47},
      {49, 50}},
     {5, 7, 11, 15, 19, 21, 35, 29, 25, 33, 39, 43, 47, 49},
     "TForm26"},
    {"TForm26",
     {{4, 5, 6, 7}, {10, 11, 12, 13}, {16, 17, 18, 19}, {22, 23, 24, 25}},
     {5, 13, 18, 22},
     "TForm27"},
    {"TForm27", {{2, 3, 4, 5}}, {5}, "TForm22"},
    {"TForm22",
     {{3, 4},
      {6, 7},
      {9, 10},
      {12, 13},
      {16, 17},
      {19, 20},
      {25, 26},
      {23, 24},
      {29, 30},
      {33, 34},
      {36, 37},
      {40, 41},
      {44, 45},
      {48, 49}},
     {4, 6, 9, 13, 16, 19, 26, 23, 30, 33, 37, 40, 45, 49},
     "TForm23"},
};

// The stress-marking screen: each word's syllables in label numbers (their marks are numbered on
// from 58 in reading order), its text, and which of its syllables is stressed (0 first).
struct StressWord {
    std::vector<int> syllables;
    const char* text;
    int stressed;
};

inline const std::vector<StressWord> stressWords = {
    {{4, 5, 6}, "Принятый,", 0},
    {{7, 8}, "принят,", 0},
    {{9, 10, 13}, "принята,", 2},
    {{11, 12, 14}, "принято,", 0},
    {{15, 16, 17}, "приняты.", 0},
    {{19, 20, 21}, "Включенный,", 1},
    {{22, 23}, "включен,", 1},
    {{24, 25, 26}, "включена,", 2},
    {{27, 28, 29}, "включено,", 2},
    {{30, 31, 32}, "включены.", 2},
    {{34, 35, 36, 37, 38}, "Премированный,", 2},
    {{39, 40, 41, 42}, "премирован,", 2},
    {{43, 44, 45, 46, 51}, "премирована,", 2},
    {{47, 48, 49, 50, 52}, "премировано,", 2},
    {{53, 54, 55, 56, 57}, "премированы.", 2},
};

// The stress mark over each syllable of the word at `index`, in label numbers.
inline std::vector<int> marksOf(std::size_t index)
{
    int mark = 58;
    for (std::size_t word = 0; word < index; ++word)
        mark += int(stressWords[word].syllables.size());
    std::vector<int> marks;
    for (std::size_t i = 0; i < stressWords[index].syllables.size(); ++i)
        marks.push_back(mark + int(i));
    return marks;
}

inline QStringList named(const char* prefix, const std::vector<int>& numbers)
{
    QStringList names;
    for (int number : numbers)
        names << prefix + QString::number(number);
    return names;
}

// Every word's stressed syllable, in word order.
inline QStringList stressedSyllables()
{
    QStringList syllables;
    for (const StressWord& word : stressWords)
        syllables << "Label" + QString::number(word.syllables[std::size_t(word.stressed)]);
    return syllables;
}

// The main menu as the program starts it, the splash closed at once.
inline gui::Form& startedMainMenu()
{
    QTimer::singleShot(0, [] {
        if (auto* splash = qobject_cast<gui::Form*>(gui::Display::instance().modalWindow()))
            splash->Close();
    });
    gui::Form& menu = *shared::CreateForm("TMainForm");
    menu.Show();
    return menu;
}

// A test of the participle practice: the program's screens registered.
class PracticeTest : public testing_support::GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        russian::registerScreens();
    }

    static gui::Form& open(const QString& screen) { return *shared::OpenForm(screen); }

    static bool isOpen(const QString& screen)
    {
        gui::Form* form = shared::instanceOf(screen);
        return form && form->isVisible();
    }

    static bool selected(const gui::Form& screen, const QString& word)
    {
        return screen.label(word).color() == gui::clBlue;
    }

    // The labels a click toggles: every label with a click handler, in layout order.
    static QStringList optionLabels(const gui::Form& screen)
    {
        QStringList options;
        for (gui::Control* control : screen.controls()) {
            auto* label = qobject_cast<gui::Label*>(control->asObject());
            if (label && label->hasClickHandler())
                options << label->controlName();
        }
        return options;
    }

    // Clicks the labels in turn, each with a click of its own, then "Я ответил/а".
    static void answer(gui::Form& screen, const QStringList& words)
    {
        for (const QString& word : words)
            testing_support::clickControl(screen, word);
        screen.button("BitBtn2").click();
    }

    // Clicks a check box on its box, as the mouse does.
    static void clickBox(gui::Form& screen, const QString& box)
    {
        gui::CheckBox& widget = screen.checkBox(box);
        QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, QPoint(6, widget.height() / 2));
    }

    // Clicks the boxes in turn, then "Я ответил/а".
    static void tick(gui::Form& screen, const QStringList& boxes)
    {
        for (const QString& box : boxes)
            clickBox(screen, box);
        screen.button("BitBtn2").click();
    }
};

} // namespace practice_testing
