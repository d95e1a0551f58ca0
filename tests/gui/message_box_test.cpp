#include "tests/support/GuiTest.h"

#include <QLabel>
#include <QPushButton>

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
