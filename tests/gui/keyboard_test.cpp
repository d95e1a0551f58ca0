#include "tests/support/GuiTest.h"

#include <QApplication>
#include <QKeyEvent>
#include <cstdlib>

namespace {

using testing_support::GuiTest;
using testing_support::pressKey;

// A form that records which of its buttons ran their click handlers.
class KeysForm : public gui::Form {
public:
    KeysForm()
        : Form(testing_support::fixtureId("gui", "keys"))
    {
        for (const char* name : {"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4", "BitBtn5"})
            onClick(name, [this, name] { clicks.append(name); });
    }
    QStringList clicks;
};

class KeyboardTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        testing_support::fixtureForm("gui", "radio_first")->Show();
        form = testing_support::makeForm<KeysForm>();
        form->Show();
    }
    KeysForm* form = nullptr;
};

TEST_F(KeyboardTest, TheFirstControlInTabOrderTakesTheFocus)
{
    EXPECT_EQ(QApplication::focusWidget(), &form->get<gui::Edit>("Edit1"));
}

TEST_F(KeyboardTest, EnterPressesTheFocusedButtonElseTheFirstDefaultButton)
{
    pressKey(*form, Qt::Key_Return); // focus in the edit field
    EXPECT_EQ(form->clicks, QStringList{"BitBtn2"});

    form->button("BitBtn1").setFocus();
    pressKey(*form, Qt::Key_Enter);
    form->button("BitBtn3").setFocus(); // the cancel button, not the default one
    pressKey(*form, Qt::Key_Return);
    EXPECT_EQ(form->clicks, (QStringList{"BitBtn2", "BitBtn1", "BitBtn3"}));
}

TEST_F(KeyboardTest, EscPressesTheCancelButtonWhateverHasTheFocus)
{
    pressKey(*form, Qt::Key_Escape);
    form->button("BitBtn1").setFocus();
    pressKey(*form, Qt::Key_Escape);
    EXPECT_EQ(form->clicks, (QStringList{"BitBtn3", "BitBtn3"}));
}

TEST_F(KeyboardTest, HiddenDefaultButtonsAreSkipped)
{
    form->button("BitBtn2").setShown(false);
    pressKey(*form, Qt::Key_Return);
    EXPECT_EQ(form->clicks, QStringList{"BitBtn4"});
}

TEST_F(KeyboardTest, ACloseButtonClosesItsFormAndNeverRunsItsHandler)
{
    form->button("BitBtn5").click();
    EXPECT_TRUE(form->clicks.isEmpty());
    EXPECT_TRUE(form->isHidden());
}

// Pixels that differ plainly (not by a shade) between two pictures of the same size.
int changedPixels(const QImage& a, const QImage& b)
{
    int changed = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            changed += std::abs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y))) > 64;
    return changed;
}

TEST_F(KeyboardTest, TabWalksTheTabOrderOfTheActiveFormOnly)
{
    // The focused button shows a frame a pupil sees, not a border one shade darker.
    gui::BitBtn& first = form->button("BitBtn1");
    const QImage unfocused = first.grab().toImage();
    QStringList visited;
    for (int i = 0; i < 8; ++i) {
        pressKey(*form, Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
        if (i == 0) {
            EXPECT_GT(changedPixels(unfocused, first.grab().toImage()),
                      (first.width() + first.height()) / 2);
        }
    }
    EXPECT_EQ(visited, (QStringList{"BitBtn1", "BitBtn2", "BitBtn3", "BitBtn4", "BitBtn5",
                                    "RadioButton1", "Edit1", "BitBtn1"}));
    pressKey(*form, Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "Edit1");
}

TEST_F(KeyboardTest, TheEditFieldTakesCyrillicTextOfAnyLength)
{
    auto& edit = form->get<gui::Edit>("Edit1");
    const QString word = QString("наречие").repeated(200);
    // Typed as a Cyrillic keyboard layout delivers it: key events that carry the letters.
    for (const QChar letter : word) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
        QApplication::sendEvent(&edit, &press);
    }
    EXPECT_EQ(edit.text(), word);
}

// The form beneath is "radio_first": none of its controls may take a key or the focus while the
// keys form is active.
class KeyboardOwnerTest : public KeyboardTest {
protected:
    void SetUp() override
    {
        KeyboardTest::SetUp();
        below = gui::Display::instance().visibleForms().front();
        ASSERT_NE(below, form);
    }
    // A key as the keyboard sends it: to the control with the focus.
    static void typeKey(int key) { QTest::keyClick(QApplication::focusWidget(), Qt::Key(key)); }
    QString focusName() const
    {
        QWidget* focus = QApplication::focusWidget();
        return focus && form->isAncestorOf(focus) ? focus->objectName() : "elsewhere";
    }
    gui::Form* below = nullptr;
};

TEST_F(KeyboardOwnerTest, ArrowsWalkTheButtonsInTabOrderAndStopAtTheEnds)
{
    form->button("BitBtn3").setFocus();
    QStringList visited;
    for (int key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Left, Qt::Key_Left,
                    Qt::Key_Left, Qt::Key_Right}) {
        typeKey(key);
        visited.append(focusName());
    }
    // The edit field keeps Left and Right for its cursor.
    EXPECT_EQ(visited,
              (QStringList{"BitBtn2", "BitBtn3", "BitBtn2", "BitBtn1", "Edit1", "Edit1", "Edit1"}));

    form->button("BitBtn5").setFocus();
    for (int key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Up}) {
        typeKey(key);
        visited.append(focusName());
    }
    EXPECT_EQ(visited.mid(7),
              (QStringList{"RadioButton1", "RadioButton1", "RadioButton1", "RadioButton1"}));
    EXPECT_FALSE(below->radio("RadioButton1").isChecked());
    EXPECT_FALSE(below->radio("RadioButton2").isChecked());

    // The last button of the other form, once it is active: Right leads nowhere.
    QTest::mouseClick(&below->button("BitBtn1"), Qt::LeftButton);
    ASSERT_EQ(gui::Display::instance().activeForm(), below);
    typeKey(Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), &below->button("BitBtn1"));
}

TEST_F(KeyboardOwnerTest, SpaceAndLettersReachOnlyTheActiveForm)
{
    form->radio("RadioButton1").setFocus();
    typeKey(Qt::Key_Space);
    EXPECT_TRUE(form->radio("RadioButton1").isChecked());

    // Keys aimed straight at the controls of the form beneath do nothing there.
    QTest::keyClick(&below->radio("RadioButton1"), Qt::Key_Space);
    QTest::keyClick(&below->button("BitBtn1"), Qt::Key_Space);
    QTest::keyClicks(&below->radio("RadioButton2"), "x ");
    EXPECT_FALSE(below->radio("RadioButton1").isChecked());
    EXPECT_FALSE(below->radio("RadioButton2").isChecked());
    EXPECT_EQ(focusName(), "RadioButton1");
    EXPECT_EQ(gui::Display::instance().activeForm(), form);
}

TEST_F(KeyboardOwnerTest, TheFocusComesBackWhenSetOnAnotherForm)
{
    form->button("BitBtn4").setFocus();
    below->radio("RadioButton2").setFocus(Qt::TabFocusReason);
    EXPECT_EQ(focusName(), "BitBtn4");

    // A click on the form beneath activates it and gives the clicked control the focus.
    QTest::mouseClick(&below->button("BitBtn1"), Qt::LeftButton);
    EXPECT_EQ(gui::Display::instance().activeForm(), below);
    EXPECT_EQ(QApplication::focusWidget(), &below->button("BitBtn1"));
}

TEST_F(KeyboardOwnerTest, ClosingTheActiveFormGivesTheKeyboardToTheOneBeneath)
{
    form->button("BitBtn3").setFocus();
    form->Close();
    EXPECT_EQ(gui::Display::instance().activeForm(), below);
    QWidget* focus = QApplication::focusWidget();
    EXPECT_TRUE(focus && below->isAncestorOf(focus));
}

TEST(RadioFocus, ARadioButtonThatTakesTheFirstFocusIsNotChecked)
{
    gui::Display::useWindowed(QSize(800, 600));
    gui::Form* form = testing_support::fixtureForm("gui", "radio_first");
    form->Show();
    EXPECT_EQ(QApplication::focusWidget(), &form->radio("RadioButton1"));
    EXPECT_FALSE(form->radio("RadioButton1").isChecked());
    EXPECT_FALSE(form->radio("RadioButton2").isChecked());

    // One group per form: checking one unchecks the other.
    form->radio("RadioButton1").click();
    form->radio("RadioButton2").click();
    EXPECT_FALSE(form->radio("RadioButton1").isChecked());
    EXPECT_TRUE(form->radio("RadioButton2").isChecked());
    gui::Application::instance().reset();
}

} // namespace
