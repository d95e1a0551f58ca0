#include "tests/support/GuiTest.h"

#include "shared/Splash.h"

#include <QTimer>

namespace {

using shared::TLogo;

class SplashTest : public testing_support::GuiTest {
protected:
    TLogo& makeSplash()
    {
        return *testing_support::makeForm<TLogo>(testing_support::fixtureId("shared", "logo"));
    }
    static QString status(TLogo& logo)
    {
        return logo.get<gui::StatusBar>("StatusBar1").panelText(0);
    }
};

TEST_F(SplashTest, CountdownTextsAgreeWithTheirNumbers)
{
    EXPECT_EQ(TLogo::countdownText(5), "Подождите… 5 секунд");
    EXPECT_EQ(TLogo::countdownText(4), "Подождите… 4 секунды");
    EXPECT_EQ(TLogo::countdownText(3), "Подождите… 3 секунды");
    EXPECT_EQ(TLogo::countdownText(2), "Подождите… 2 секунды");
    EXPECT_EQ(TLogo::countdownText(1), "Подождите… 1 секунду");
}

TEST_F(SplashTest, CountsDownThenOffersTheButton)
{
    TLogo& logo = makeSplash();
    EXPECT_EQ(status(logo), "Подождите… 5 секунд");
    EXPECT_FALSE(logo.button("BitBtn1").isShown());

    QStringList shown;
    for (int tick = 0; tick < 5; ++tick) {
        logo.Timer1Timer();
        shown.append(status(logo));
    }
    EXPECT_EQ(shown, (QStringList{"Подождите… 4 секунды", "Подождите… 3 секунды",
                                  "Подождите… 2 секунды", "Подождите… 1 секунду",
                                  "Нажмите «Далее» для продолжения"}));
    EXPECT_EQ(logo.countdown(), 0);
    EXPECT_TRUE(logo.button("BitBtn1").isShown());
    EXPECT_FALSE(logo.get<gui::Timer>("Timer1").enabled());
}

TEST_F(SplashTest, CoversTheWholeDisplayWithTheStatusBarUnscaled)
{
    useDisplay(1024, 768);
    TLogo& logo = makeSplash();
    EXPECT_EQ(logo.geometry(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(logo.get<gui::StatusBar>("StatusBar1").bounds().height(), 19);
}

TEST_F(SplashTest, EnterAndEscDoNothingDuringTheCountdown)
{
    TLogo& logo = makeSplash();
    QTimer::singleShot(0, &logo, [&] {
        testing_support::pressKey(logo, Qt::Key_Return);
        testing_support::pressKey(logo, Qt::Key_Escape);
        EXPECT_TRUE(logo.isModal());
        logo.Close();
    });
    EXPECT_EQ(logo.ShowModal(), gui::ModalResult::Cancel);
    EXPECT_EQ(logo.countdown(), 5);
}

TEST_F(SplashTest, TheCloseBoxEndsItAtAnyTime)
{
    TLogo& logo = makeSplash();
    QTimer::singleShot(0, &logo, [&] {
        const QRect window = logo.rect();
        QTest::mouseClick(&logo, Qt::LeftButton, Qt::NoModifier,
                          QPoint(window.right() - 8, window.top() + 10));
    });
    EXPECT_EQ(logo.ShowModal(), gui::ModalResult::Cancel);
    EXPECT_TRUE(logo.isHidden());
}

TEST_F(SplashTest, TheButtonEndsTheRunOnceReady)
{
    TLogo& logo = makeSplash();
    QTimer::singleShot(0, &logo, [&] {
        for (int tick = 0; tick < TLogo::CountdownStart; ++tick)
            logo.Timer1Timer();
        logo.button("BitBtn1").click();
    });
    // The ignore kind sets 5, then the handler's Close sets the cancel result.
    EXPECT_EQ(logo.ShowModal(), gui::ModalResult::Cancel);
}

} // namespace
