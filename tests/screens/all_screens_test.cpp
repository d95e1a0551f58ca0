#include "tests/support/GuiTest.h"

#include "gui/Image.h"
#include "shared/Fitting.h"
#include "shared/Screens.h"
#include "tests/screens/LayoutCheck.h"
#include "tests/screens/MarkCheck.h"
#include "tests/screens/OverlapCheck.h"
#include "tools/ProgramScreens.h"

#include <QTimer>

namespace {

// The program named by TEXTBOOK_PROGRAM ("adverbs" or "russian").
QString program()
{
    return qEnvironmentVariable("TEXTBOOK_PROGRAM");
}

struct ScreenAtSize {
    QString className;
    QSize display;
};

std::vector<ScreenAtSize> everyScreenAtEverySize()
{
    const QStringList classes = tools::registerProgram(program());
    shared::clearScreens();
    std::vector<ScreenAtSize> cases;
    for (const QSize& display : {QSize(800, 600), QSize(1024, 768), QSize(1152, 864),
                                 QSize(1280, 960), QSize(1440, 1080), QSize(1920, 1440)})
        for (const QString& className : classes)
            cases.push_back({className, display});
    return cases;
}

// Every screen of the program loads, fits and paints without a layout or picture error, and its
// text lies cleanly at every size.
class AllScreens : public testing_support::GuiTest,
                   public ::testing::WithParamInterface<ScreenAtSize> {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        useDisplay(GetParam().display.width(), GetParam().display.height());
        tools::registerProgram(program());
    }
};

TEST_P(AllScreens, LoadsFitsPaintsAndLaysOutItsText)
{
    const ScreenAtSize& screen = GetParam();
    // A screen that runs the splash while it is made gets it closed at once.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto* modal = qobject_cast<gui::Form*>(gui::Display::instance().modalWindow()))
            modal->Close();
    });
    closer.start(5);

    gui::Form* form = shared::createScreen(screen.className);
    EXPECT_EQ(form->geometry().width(), screen.display.width());
    EXPECT_EQ(form->geometry().left(), 0);
    form->show();
    const QImage painted = form->grab().toImage();
    EXPECT_EQ(painted.width(), screen.display.width());
    for (const QString& fault : testing_support::layoutFaults(*form))
        ADD_FAILURE() << fault.toStdString();
    for (const QString& fault : testing_support::overlapFaults(*form))
        ADD_FAILURE() << fault.toStdString();
    for (const QString& fault : testing_support::markFaults(*form))
        ADD_FAILURE() << fault.toStdString();
    // Pictures grow with the screen: at the design's width each is drawn at its natural size.
    const double scale = shared::scaleFactorFor(screen.display.width());
    for (gui::Control* control : form->controls()) {
        if (auto* image = qobject_cast<gui::Image*>(control->asObject())) {
            EXPECT_EQ(image->pictureRect().size(),
                      QSize(qRound(image->picture().width() * scale),
                            qRound(image->picture().height() * scale)))
                << image->controlName().toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, AllScreens, ::testing::ValuesIn(everyScreenAtEverySize()),
                         [](const auto& info) {
                             return info.param.className.toStdString() + "_" +
                                    std::to_string(info.param.display.width()) + "x" +
                                    std::to_string(info.param.display.height());
                         });

class ProgramScreens : public testing_support::GuiTest {};

// Every screen that a menu, a chain or a next step names is part of the program.
TEST_F(ProgramScreens, EveryScreenNamedIsPartOfTheProgram)
{
    const QStringList classes = tools::registerProgram(program());
    ASSERT_FALSE(classes.isEmpty());
    for (const QString& className : classes)
        for (const QString& opened : shared::screensOpenedBy(className))
            EXPECT_TRUE(classes.contains(opened))
                << className.toStdString() << " opens " << opened.toStdString();
}

} // namespace
