#include "gui/Application.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    ::testing::InitGoogleTest(&argc, argv);
    gui::Application& application = gui::Application::instance();
    application.Initialize(argc, argv);
    const int result = RUN_ALL_TESTS();
    application.shutdown();
    return result;
}
