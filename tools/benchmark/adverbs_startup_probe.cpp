// Runs the real start-up of `adverbs` and reports the first paint of its splash screen.

#include "adverbs/Program.h"
#include "tools/benchmark/FirstPaint.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    FirstPaintReporter reporter("TLogo");
    application.installEventFilter(&reporter);
    return adverbs::run(argc, argv);
}
