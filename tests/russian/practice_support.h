#pragma once

#include "russian/Program.h"
#include "shared/Screens.h"
#include "tests/support/GuiTest.h"

#include <QStringList>
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

inline QStringList named(const char* prefix, const std::vector<int>& numbers)
{
    QStringList names;
    for (int number : numbers)
        names << prefix + QString::number(number);
    return names;
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
