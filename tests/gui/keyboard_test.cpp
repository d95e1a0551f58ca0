#include "tests/support/GuiTest.h"

#include <QApplication>
#include <QKeyEvent>

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

TEST_F(KeyboardTest, TabWalksTheTabOrderOfTheActiveFormOnly)
{
    QStringList visited;
    for (int i = 0; i < 8; ++i) {
        pressKey(*form, Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
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
