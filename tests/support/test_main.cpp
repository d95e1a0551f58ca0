#include "Application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_RUNTIME_DIR", "/tmp");
    ::testing::InitGoogleTest(&argc, argv);
    gui::Application& application = gui::Application::instance();
    application.Initialize(argc, argv);
    const int result = RUN_ALL_TESTS();
    application.shutdown();
    return result;
}
