// Start-up and screen benchmark of the textbooks.
//
// Prints, side by side: the time from process start to the first painted splash frame of
// `adverbs` against a bare Qt window that paints one label; the peak resident memory of both;
// and the time to create, fit and first paint the main menu and every other screen at 1920x1440.

#include "Application.h"
#include "Display.h"
#include "Form.h"
#include "ProgramScreens.h"
#include "Screens.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int Runs = 7;

struct StartUp {
    double milliseconds = 0;
    long peakKilobytes = 0;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Starts the program, waits for its first-paint report and returns the medians of all runs.
StartUp measureStartUp(const QString& program)
{
    std::vector<double> times;
    std::vector<double> memory;
    for (int run = 0; run < Runs; ++run) {
        QProcess process;
        process.setProgram(program);
        const auto started = std::chrono::steady_clock::now().time_since_epoch();
        process.start();
        if (!process.waitForFinished(30000)) {
            process.kill();
            std::fprintf(stderr, "%s did not report a first paint\n", qPrintable(program));
            std::exit(1);
        }
        const QString output = QString::fromUtf8(process.readAllStandardOutput());
        const auto match =
            QRegularExpression(R"(first_paint_ns=(\d+) peak_rss_kb=(\d+))").match(output);
        if (!match.hasMatch()) {
            std::fprintf(stderr, "%s: unexpected output: %s\n", qPrintable(program),
                         qPrintable(output));
            std::exit(1);
        }
        const long long painted = match.captured(1).toLongLong();
        times.push_back(double(painted - std::chrono::nanoseconds(started).count()) / 1e6);
        memory.push_back(match.captured(2).toDouble());
    }
    return {median(times), long(median(memory))};
}

// Creates (which fits) and first paints one screen; returns the median time in milliseconds.
double measureScreen(const QString& className)
{
    std::vector<double> times;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        gui::Form* form = frame::createScreen(className);
        form->show();
        const QPixmap painted = form->grab();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        form->hide();
        gui::Application::instance().reset();
    }
    return median(times);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    qputenv("TEXTBOOK_DISPLAY", "1024x768");
    const QString here = QFileInfo(QString::fromLocal8Bit(argv[0])).absolutePath();

    const StartUp program = measureStartUp(here + "/adverbs_startup_probe");
    const StartUp yardstick = measureStartUp(here + "/bare_label_window");
    std::printf("%-38s %12s %12s %8s\n", "start-up (median of 7 runs)", "adverbs", "bare window",
                "ratio");
    std::printf("%-38s %12.1f %12.1f %8.2f\n", "process start to first paint, ms",
                program.milliseconds, yardstick.milliseconds,
                program.milliseconds / yardstick.milliseconds);
    std::printf("%-38s %12ld %12ld %8.2f\n", "peak resident memory, KiB", program.peakKilobytes,
                yardstick.peakKilobytes, double(program.peakKilobytes) / yardstick.peakKilobytes);

    gui::Display::useWindowed(QSize(1920, 1440));
    gui::Application& application = gui::Application::instance();
    application.Initialize(argc, argv);
    QStringList classes = tools::registerProgram("adverbs");
    classes.removeAll("TMain");
    std::printf("\n%-38s %12s\n", "create, fit, first paint at 1920x1440", "ms");
    std::printf("%-38s %12.2f\n", "TMain (main menu)", measureScreen("TMain"));
    QString heaviest;
    double slowest = 0;
    for (const QString& className : classes) {
        const double time = measureScreen(className);
        if (time > slowest) {
            slowest = time;
            heaviest = className;
        }
    }
    std::printf("%-38s %12.2f\n", qPrintable("heaviest: " + heaviest), slowest);
    application.shutdown();
    return 0;
}
