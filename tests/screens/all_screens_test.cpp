#include "tests/support/GuiTest.h"

#include "shared/Screens.h"
#include "tools/ProgramScreens.h"

#include <QTimer>

namespace {

// Every screen of the program named by TEXTBOOK_PROGRAM loads, fits and paints at three display
// sizes without a layout or picture error.
class AllScreens : public testing_support::GuiTest, public ::testing::WithParamInterface<QSize> {
protected:
    static void SetUpTestSuite()
    {
        classes() = tools::registerProgram(qEnvironmentVariable("TEXTBOOK_PROGRAM"));
    }
    static QStringList& classes()
    {
        static QStringList names;
        return names;
    }
};

TEST_P(AllScreens, LoadFitAndPaint)
{
    ASSERT_FALSE(classes().isEmpty());
    const QSize display = GetParam();
    useDisplay(display.width(), display.height());
    // A screen that runs the splash while it is made gets it closed at once.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto* modal = dynamic_cast<gui::Form*>(gui::Display::instance().modalWindow()))
            modal->Close();
    });
    closer.start(5);

    for (const QString& className : classes()) {
        SCOPED_TRACE(className.toStdString());
        gui::Form* form = nullptr;
        try {
            form = shared::createScreen(className);
        } catch (const std::exception& error) {
            ADD_FAILURE() << error.what();
            continue;
        }
        EXPECT_EQ(form->geometry().width(), display.width());
        EXPECT_EQ(form->geometry().left(), 0);
        form->show();
        const QImage painted = form->grab().toImage();
        EXPECT_EQ(painted.width(), display.width());
        form->hide();
        gui::Application::instance().reset();
    }
}

INSTANTIATE_TEST_SUITE_P(DisplaySizes, AllScreens,
                         ::testing::Values(QSize(800, 600), QSize(1024, 768), QSize(1920, 1080)),
                         [](const auto& info) {
                             return std::to_string(info.param.width()) + "x" +
                                    std::to_string(info.param.height());
                         });

} // namespace
