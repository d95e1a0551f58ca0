#include "tests/support/GuiTest.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace {

using testing_support::GuiTest;

class MessageBoxTest : public GuiTest {
protected:
    // Shows a box and lets the action dismiss it; returns what the box looked like.
    struct Seen {
        QString title;
        QString text;
        QRect geometry;
        int textWidth = 0;
        bool modal = false;
    };
    Seen show(const QString& text, std::function<void(gui::MessageBox&)> action)
    {
        Seen seen;
        gui::MessageBox::setObserver([&](gui::MessageBox& box) {
            seen = {box.title(), box.text(), box.geometry(),
                    box.findChild<QLabel*>("text")->width(),
                    gui::Display::instance().modalWindow() == &box};
            action(box);
        });
        gui::MessageBox::information(text);
        return seen;
    }
};

TEST_F(MessageBoxTest, EveryWayOfDismissingItEndsTheModalRun)
{
    const std::vector<std::function<void(gui::MessageBox&)>> ways = {
        [](gui::MessageBox& box) { box.okButton()->click(); },
        [](gui::MessageBox& box) { QTest::keyClick(box.okButton(), Qt::Key_Return); },
        [](gui::MessageBox& box) { QTest::keyClick(box.okButton(), Qt::Key_Escape); },
        [](gui::MessageBox& box) { QTest::keyClick(box.okButton(), Qt::Key_Space); },
        [](gui::MessageBox& box) {
            const QRect window = box.rect();
            QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier,
                              QPoint(window.right() - 8, window.top() + 10));
        },
    };
    for (const auto& way : ways) {
        const Seen seen = show("Молодец!!!", way);
        EXPECT_EQ(seen.title, "Information");
        EXPECT_EQ(seen.text, "Молодец!!!");
        EXPECT_TRUE(seen.modal);
        EXPECT_EQ(gui::Display::instance().modalWindow(), nullptr);
    }
}

// Clicks and keys aimed at a form behind the box: the box keeps the keyboard, the form takes none,
// and its focus is where it was once the box is gone.
TEST_F(MessageBoxTest, ClicksAndKeysBehindTheBoxLeaveItTheKeyboard)
{
    gui::Form* form = testing_support::fixtureForm("gui", "keys");
    QStringList clicks;
    for (const char* name : {"BitBtn1", "BitBtn2", "BitBtn3"})
        form->onClick(name, [&clicks, name] { clicks.append(name); });
    form->Show();
    form->button("BitBtn2").setFocus();

    auto& behind = form->button("BitBtn3"); // the cancel button
    const std::vector<std::function<void()>> keys = {
        [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); },
        [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); },
        [] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space); },
        // Aimed at the form: the box takes it.
        [&behind] { QTest::keyClick(&behind, Qt::Key_Escape); },
        [form] { QTest::keyClick(&form->get<gui::Edit>("Edit1"), Qt::Key_Return); },
    };
    for (std::size_t i = 0; i < keys.size(); ++i) {
        SCOPED_TRACE(i);
        bool stuck = false;
        QString focusAfterClick;
        show("Ответ неправильный!!! Попробуй ещё раз.", [&](gui::MessageBox& box) {
            QTest::mouseClick(&behind, Qt::LeftButton);
            QTest::mouseClick(&form->button("BitBtn1"), Qt::LeftButton);
            QWidget* focus = QApplication::focusWidget();
            focusAfterClick = focus ? focus->objectName() : "nothing";
            QTest::keyClick(focus, Qt::Key_Right);
            keys[i]();
            QTimer::singleShot(0, &box, [&box, &stuck] {
                stuck = true;
                box.dismiss();
            });
        });
        EXPECT_FALSE(stuck) << "the key did not dismiss the box";
        EXPECT_EQ(focusAfterClick, "OK");
        EXPECT_EQ(QApplication::focusWidget(), &form->button("BitBtn2"));
    }
    EXPECT_TRUE(clicks.isEmpty());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(MessageBoxTest, LongTextsWrapAtHalfTheDisplayAndTheBoxIsCentred)
{
    const QString text = QString("Ответ неправильный!!! Попробуй ещё раз. ").repeated(6);
    const Seen seen = show(text, [](gui::MessageBox& box) { box.dismiss(); });
    EXPECT_LE(seen.textWidth, 400);
    EXPECT_GT(seen.geometry.height(), 80);
    EXPECT_NEAR(seen.geometry.center().x(), 400, 1);
    EXPECT_NEAR(seen.geometry.center().y(), 300, 1);
}

} // namespace
