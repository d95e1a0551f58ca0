#pragma once

#include <QString>
#include <QStringList>

namespace gui {
class Form;
} // namespace gui

namespace testing_support {

// A program's start-up as its run() makes it, for tests that drive the program without its event
// loop: the screens it registers and the screens it creates, in order.
struct Program {
    QString name;               // "adverbs" or "russian"
    QString mainClass;          // the screen whose Close ends the program
    QStringList createdAtStart; // the CreateForm calls of run()
    void (*registerScreens)();
};

const Program& programNamed(const QString& name);

// Registers the program's screens, creates its first screens as run() does and shows the main
// screen, as the event loop first does. The splash, which runs modally on the way, is closed at
// once.
gui::Form& startProgram(const Program& program);

} // namespace testing_support
