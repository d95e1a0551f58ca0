#include "tests/random/ProgramStart.h"
#include "tests/support/GuiTest.h"

#include "shared/Screens.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPointer>
#include <QSignalSpy>
#include <QTimer>

namespace {

using testing_support::programNamed;
using testing_support::startProgram;

// What the pupil sees of the program: the screens on show, the active one, the control with the
// keyboard focus and the options checked.
struct ScreenState {
    std::vector<gui::Form*> visible;
    gui::Form* active = nullptr;
    QWidget* focus = nullptr;
    QStringList checked;

    bool operator==(const ScreenState&) const = default;
};

ScreenState screenState()
{
    ScreenState state{gui::Display::instance().visibleForms(),
                      gui::Display::instance().activeForm(),
                      QApplication::focusWidget(),
                      {}};
    for (gui::Form* form : state.visible)
        for (QAbstractButton* button : form->findChildren<QAbstractButton*>())
            if (button->isChecked())
                state.checked.append(form->className() + "." + button->objectName());
    return state;
}

// A key as the keyboard sends it: to the control with the focus, else to the window.
void typeKey(int key)
{
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target ? target : gui::Display::instance().area()->window(), Qt::Key(key));
}

class ProgramKeys : public testing_support::GuiTest {
protected:
    void TearDown() override
    {
        GuiTest::TearDown();
        shared::clearScreens();
    }

    // Presses `arrow`, which must change nothing, then Space, which must press the focused button
    // of the active screen and nothing else.
    void arrowThenSpace(gui::Form& main, int arrow)
    {
        gui::Form* screen = gui::Display::instance().activeForm();
        ASSERT_NE(screen, &main);
        auto* focused = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
        ASSERT_NE(focused, nullptr);
        ASSERT_TRUE(screen->isAncestorOf(focused));

        const ScreenState before = screenState();
        typeKey(arrow);
        EXPECT_TRUE(screenState() == before) << "the arrow moved the focus or changed the screen";

        QSignalSpy pressed(focused, &QAbstractButton::clicked);
        QSignalSpy exit(&main.button("BitBtn1"), &QAbstractButton::clicked);
        typeKey(Qt::Key_Space);
        EXPECT_EQ(pressed.count(), 1) << "Space presses the focused button of the active screen";
        EXPECT_EQ(exit.count(), 0);
        EXPECT_FALSE(gui::Application::instance().terminated());
        EXPECT_TRUE(main.isVisible());
    }
};

TEST_F(ProgramKeys, LeftArrowOnTheParticipleTestChooserStaysOnIt)
{
    gui::Form& main = startProgram(programNamed("russian"));
    testing_support::clickControl(main, "Label6"); // "III. Выполните тест"
    ASSERT_EQ(gui::Display::instance().activeForm(), shared::instanceOf("TForm29"));
    arrowThenSpace(main, Qt::Key_Left);
}

TEST_F(ProgramKeys, RightArrowOnTheLastButtonOfAnAdverbQuestionStaysOnIt)
{
    gui::Form& main = startProgram(programNamed("adverbs"));
    testing_support::clickControl(main, "Label4"); // "III. Выполните тест"
    gui::Form* question = shared::instanceOf("TForm28");
    ASSERT_EQ(gui::Display::instance().activeForm(), question);
    for (int i = 0; i < 5; ++i)
        typeKey(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &question->button("BitBtn2")); // "Закрыть"
    arrowThenSpace(main, Qt::Key_Right);
}

TEST_F(ProgramKeys, ArrowsOnAResultScreenStayOnIt)
{
    const std::pair<const char*, const char*> results[] = {
        {"adverbs", "TForm43"}, {"russian", "TForm49"}, {"russian", "TForm69"}};
    for (const auto& [program, result] : results) {
        SCOPED_TRACE(result);
        gui::Form& main = startProgram(programNamed(program));
        shared::OpenForm(result);
        for (int arrow : {Qt::Key_Left, Qt::Key_Up}) {
            const ScreenState before = screenState();
            typeKey(arrow);
            EXPECT_TRUE(screenState() == before);
        }
        arrowThenSpace(main, Qt::Key_Left);
        gui::Application::instance().reset();
        shared::clearScreens();
    }
}

// Within the active screen the arrows still work: they walk its buttons in tab order and move the
// choice among its radio buttons.
TEST_F(ProgramKeys, ArrowsMoveWithinTheActiveScreen)
{
    gui::Form& main = startProgram(programNamed("adverbs"));
    testing_support::clickControl(main, "Label4");
    gui::Form& question = *shared::instanceOf("TForm28");
    question.radio("RadioButton1").click();
    question.radio("RadioButton1").setFocus();
    typeKey(Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), &question.radio("RadioButton2"));
    EXPECT_TRUE(question.radio("RadioButton2").isChecked());

    question.button("BitBtn1").setFocus(); // "Я ответил/а"
    typeKey(Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), &question.button("BitBtn2"));
    typeKey(Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), &question.button("BitBtn1"));
    typeKey(Qt::Key_Left);
    EXPECT_EQ(QApplication::focusWidget(), &question.radio("RadioButton4"));
}

// The retry box of the adverb practice answers Enter, Esc and Space whatever was clicked behind it.
TEST_F(ProgramKeys, TheRetryBoxKeepsTheKeyboardWhateverIsClickedBehindIt)
{
    gui::Form& main = startProgram(programNamed("adverbs"));
    gui::Form& screen = *shared::OpenForm("TForm18");
    QPointer<QAbstractButton> answered = &screen.button("BitBtn2"); // "Ответил"
    QPointer<QAbstractButton> close = &screen.button("BitBtn1");    // "Закрыть"
    const std::pair<QAbstractButton*, int> cases[] = {{close, Qt::Key_Return},
                                                      {close, Qt::Key_Escape},
                                                      {close, Qt::Key_Space},
                                                      {answered, Qt::Key_Return},
                                                      {&main.button("BitBtn1"), Qt::Key_Space}};
    for (const auto& [behind, key] : cases) {
        SCOPED_TRACE(behind->text().toStdString() + " " + std::to_string(key));
        bool stuck = false;
        int boxes = 0;
        QWidget* focusInBox = nullptr;
        gui::MessageBox::setObserver([&, behind = behind, key = key](gui::MessageBox& box) {
            ++boxes;
            QTest::mouseClick(behind, Qt::LeftButton);
            focusInBox = QApplication::focusWidget();
            typeKey(key);
            // Still up after the key: the test dismisses it.
            QTimer::singleShot(0, &box, [&box, &stuck] {
                stuck = true;
                box.dismiss();
            });
        });
        answered->setFocus();
        QTest::mouseClick(answered, Qt::LeftButton);
        EXPECT_EQ(boxes, 1);
        EXPECT_FALSE(stuck) << "the key did not dismiss the box";
        EXPECT_NE(focusInBox, behind);
        EXPECT_TRUE(screen.isVisible());
        EXPECT_FALSE(gui::Application::instance().terminated());
        EXPECT_EQ(QApplication::focusWidget(), answered.data());
    }
}

} // namespace
