// Runs the real start-up of `adverbs` and reports the first paint of its splash screen.

#include "FirstPaint.h"
#include "Program.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    FirstPaintReporter reporter("TLogo");
    application.installEventFilter(&reporter);
    return adverbs::run(argc, argv);
}
