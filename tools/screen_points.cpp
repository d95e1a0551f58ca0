// Prints where controls of a screen lie on the display, for end-to-end tests that click them:
//
//   screen_points adverbs|russian CLASS WIDTHxHEIGHT NAME...
//
// For each NAME one line "x y": the centre of the control in pixels of a program window of that
// size, with the screen in its place on the window's display.

#include "gui/Application.h"
#include "gui/Display.h"
#include "gui/Form.h"
#include "shared/Screens.h"
#include "tools/ProgramScreens.h"

#include <QTimer>
#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: screen_points adverbs|russian CLASS WIDTHxHEIGHT NAME...\n");
        return 2;
    }
    const QStringList size = QString(argv[3]).split('x');
    qputenv("QT_QPA_PLATFORM", "offscreen");
    gui::Display::useWindowed(QSize(size.value(0).toInt(), size.value(1).toInt()));
    gui::Application& application = gui::Application::instance();
    application.Initialize(argc, argv);
    tools::registerProgram(argv[1]);
    // A screen that runs the splash while it is made gets it closed at once.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto* modal = qobject_cast<gui::Form*>(gui::Display::instance().modalWindow()))
            modal->Close();
    });
    closer.start(10);

    int status = 0;
    try {
        gui::Form* form = shared::createScreen(argv[2]);
        for (int i = 4; i < argc; ++i) {
            gui::Control* control = form->findControl(argv[i]);
            if (!control) {
                std::fprintf(stderr, "%s has no control %s\n", argv[2], argv[i]);
                status = 1;
                continue;
            }
            const QPoint centre = form->clientArea()->mapTo(
                gui::Display::instance().area()->window(), control->bounds().center());
            std::printf("%d %d\n", centre.x(), centre.y());
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        status = 1;
    }
    application.shutdown();
    return status;
}
