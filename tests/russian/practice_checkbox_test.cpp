#include "tests/russian/practice_support.h"

#include <algorithm>

namespace {

using namespace practice_testing;

class BoxScreenTest : public PracticeTest, public ::testing::WithParamInterface<BoxScreen> {
protected:
    QStringList key() const { return named("CheckBox", GetParam().key); }

    // Every check box of the screen's layout, in layout order.
    static QStringList boxesOf(const gui::Form& screen)
    {
        QStringList boxes;
        for (gui::Control* control : screen.controls())
            if (control->kind() == gui::ControlKind::CheckBox)
                boxes << control->controlName();
        return boxes;
    }

    static QStringList ticked(const gui::Form& screen)
    {
        QStringList boxes;
        for (const QString& box : boxesOf(screen))
            if (screen.checkBox(box).isChecked())
                boxes << box;
        return boxes;
    }
};

TEST_P(BoxScreenTest, PraisesItsKeyBeforeTheNextScreenOpens)
{
    const BoxScreen& declared = GetParam();
    gui::Form& screen = open(declared.screen);
    EXPECT_EQ(boxesOf(screen).size(), declared.boxCount);
    EXPECT_TRUE(ticked(screen).isEmpty());

    bool praisedFirst = false;
    gui::MessageBox::setObserver([&](gui::MessageBox& box) {
        praisedFirst = box.text() == Praise && screen.isVisible() &&
                       shared::instanceOf(declared.next) == nullptr;
        box.dismiss();
    });
    tick(screen, key());
    EXPECT_TRUE(praisedFirst);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(isOpen(declared.next));
}

// Nothing ticked, everything ticked, the key with one box more or one box fewer: each is wrong,
// and the ticks stay as they were.
TEST_P(BoxScreenTest, RejectsEverySingleDeviationAndKeepsTheTicks)
{
    const BoxScreen& declared = GetParam();
    const QStringList boxes = boxesOf(open(declared.screen));
    std::vector<QStringList> wrongAnswers = {{}, boxes};
    for (const QString& box : boxes) {
        QStringList deviation = key();
        if (key().contains(box))
            deviation.removeOne(box);
        else
            deviation.append(box);
        wrongAnswers.push_back(deviation);
    }

    for (const QStringList& boxesTicked : wrongAnswers) {
        SCOPED_TRACE(boxesTicked.join(' ').toStdString());
        messages.clear();
        gui::Form& screen = open(declared.screen);
        tick(screen, boxesTicked);
        EXPECT_EQ(messages, QStringList{Retry});
        EXPECT_TRUE(screen.isVisible());
        QStringList expected = boxesTicked;
        std::sort(expected.begin(), expected.end());
        QStringList seen = ticked(screen);
        std::sort(seen.begin(), seen.end());
        EXPECT_EQ(seen, expected);
        EXPECT_EQ(shared::instanceOf(declared.next), nullptr);
        screen.Close();
    }
}

TEST_P(BoxScreenTest, AcceptsTheAnswerOnceTheExtraTickIsCleared)
{
    const BoxScreen& declared = GetParam();
    gui::Form& screen = open(declared.screen);
    QStringList others = boxesOf(screen);
    for (const QString& box : key())
        others.removeOne(box);
    tick(screen, key() + QStringList{others.last()});
    EXPECT_EQ(messages, QStringList{Retry});
    tick(screen, {others.last()});
    EXPECT_EQ(messages, (QStringList{Retry, Praise}));
    EXPECT_FALSE(screen.isVisible());
}

// The boxes are 17 design pixels high for a caption line of about 21: each reaches above and
// below its bounds far enough to draw its caption whole, and never into another box.
TEST_P(BoxScreenTest, EveryCaptionHasRoomAndNoBoxReachesIntoAnother)
{
    for (const QSize& display : {QSize(800, 600), QSize(1024, 768), QSize(1920, 1440)}) {
        useDisplay(display.width(), display.height());
        gui::Form& screen = open(GetParam().screen);
        const QStringList boxes = boxesOf(screen);
        for (const QString& name : boxes) {
            const gui::CheckBox& box = screen.checkBox(name);
            SCOPED_TRACE((name + " at " + QString::number(display.width())).toStdString());
            EXPECT_GE(box.height(), box.caption().size().height());
            EXPECT_EQ(box.geometry().center().y(), box.bounds().center().y());
            EXPECT_EQ(box.geometry().width(), box.bounds().width());
            for (const QString& other : boxes) {
                if (other != name) {
                    EXPECT_FALSE(box.geometry().intersects(screen.checkBox(other).geometry()))
                        << other.toStdString();
                }
            }
        }
    }
}

// What a pupil sees as the box takes a click at every size: the last letter of its caption, as
// drawn, and the empty part of its area right of the caption.
TEST_P(BoxScreenTest, TheEndOfEveryCaptionAndTheRestOfTheBoxTickIt)
{
    for (const QSize& display : {QSize(800, 600), QSize(1024, 768), QSize(1152, 864),
                                 QSize(1280, 960), QSize(1440, 1080), QSize(1920, 1440)}) {
        useDisplay(display.width(), display.height());
        gui::Form& screen = open(GetParam().screen);
        for (const QString& name : boxesOf(screen)) {
            gui::CheckBox& box = screen.checkBox(name);
            SCOPED_TRACE((name + " at " + QString::number(display.width())).toStdString());
            const QImage drawn = box.grab().toImage();
            int inkEnd = -1;
            for (int x = 0; x < drawn.width(); ++x)
                for (int y = 0; y < drawn.height(); ++y)
                    if (qGray(drawn.pixel(x, y)) < 100)
                        inkEnd = x;
            ASSERT_GT(inkEnd, 0);
            EXPECT_LT(inkEnd, box.width() - 1) << "the caption is cut off";
            for (const int x : {inkEnd - 1, box.width() - 2}) {
                const bool before = box.isChecked();
                QTest::mouseClick(&box, Qt::LeftButton, Qt::NoModifier,
                                  QPoint(x, box.height() / 2));
                EXPECT_NE(box.isChecked(), before) << "no tick at x " << x;
            }
        }
        screen.Close();
    }
}

INSTANTIATE_TEST_SUITE_P(Practice, BoxScreenTest, ::testing::ValuesIn(boxScreens),
                         [](const auto& info) { return std::string(info.param.screen); });

TEST_F(PracticeTest, ABoxKeepsItsDesignBoundsWhenFitted)
{
    useDisplay(1024, 768);
    gui::Form& screen = open("TForm14");
    // 168, 120, 145 x 17 at a scale of 1.28.
    EXPECT_EQ(screen.checkBox("CheckBox1").bounds(), QRect(215, 154, 186, 22));
    EXPECT_EQ(screen.checkBox("CheckBox1").fontSize(), 18);
}

TEST_F(PracticeTest, SpaceAndClicksTickAndClearABoxAndNothingElse)
{
    gui::Form& screen = open("TForm15");
    gui::CheckBox& box = screen.checkBox("CheckBox2");
    box.setFocus();
    testing_support::pressKey(screen, Qt::Key_Space);
    EXPECT_TRUE(box.isChecked());
    testing_support::pressKey(screen, Qt::Key_Space);
    EXPECT_FALSE(box.isChecked());
    clickBox(screen, "CheckBox2");
    EXPECT_TRUE(box.isChecked());
    clickBox(screen, "CheckBox2");
    EXPECT_FALSE(box.isChecked());
    EXPECT_FALSE(box.isTristate());
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(screen.isVisible());
}

} // namespace
