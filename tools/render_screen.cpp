// Renders screens of a program, in their start state, to PNG files: the program's window at a
// given size, its screens in the window's largest centred 4:3 area.
//
//   render_screen adverbs|russian CLASS|all WIDTHxHEIGHT OUTPUT [RIGHT]
//
// With a class name OUTPUT is the PNG file; with "all" it is a folder that receives CLASS.png
// for every screen of the program. RIGHT counts the test questions taken as answered right (the
// first ones; none by default), for the result screens.

#include "gui/Application.h"
#include "gui/Display.h"
#include "gui/Form.h"
#include "shared/Screens.h"
#include "tools/ProgramScreens.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>

namespace {

int usage()
{
    std::fprintf(stderr,
                 "usage: render_screen adverbs|russian CLASS|all WIDTHxHEIGHT OUTPUT [RIGHT]\n");
    return 2;
}

bool render(const QString& className, const QString& file)
{
    gui::Form* form = shared::createScreen(className);
    form->show();
    form->raise();
    const bool saved = gui::Display::instance().area()->window()->grab().save(file, "PNG");
    form->hide();
    gui::Application::instance().reset();
    return saved;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 5 && argc != 6)
        return usage();
    const QString program = argv[1];
    const QString which = argv[2];
    const QStringList size = QString(argv[3]).split('x');
    const QString output = argv[4];
    if (size.size() != 2 || (program != "adverbs" && program != "russian"))
        return usage();

    qputenv("QT_QPA_PLATFORM", "offscreen");
    gui::Display::useWindowed(QSize(size[0].toInt(), size[1].toInt()));
    gui::Application& application = gui::Application::instance();
    application.Initialize(argc, argv);
    const QStringList classes = tools::registerProgram(program);
    if (argc == 6)
        tools::setRightAnswers(program, QString(argv[5]).toInt());

    // Screens that run another one modally while they are made (a splash) get it closed at once.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto* modal = qobject_cast<gui::Form*>(gui::Display::instance().modalWindow()))
            modal->Close();
    });
    closer.start(10);

    int failures = 0;
    try {
        if (which == "all") {
            QDir().mkpath(output);
            for (const QString& className : classes)
                failures += render(className, output + "/" + className + ".png") ? 0 : 1;
        } else {
            failures += render(which, output) ? 0 : 1;
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        failures += 1;
    }
    application.shutdown();
    return failures == 0 ? 0 : 1;
}
