// Start-up and screen benchmark of the textbooks.
//
// Prints, side by side: the time from process start to the first painted splash frame of
// `adverbs` against a bare Qt window that paints one label; the peak resident memory of both;
// and the time to create, fit and first paint the main menu and every other screen at 1920x1440.

#include "gui/Application.h"
#include "gui/Display.h"
#include "gui/Form.h"
#include "shared/Screens.h"
#include "tools/ProgramScreens.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QProcess>
#include <QRegularExpression>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

constexpr int Runs = 15;

struct StartUp {
    double milliseconds = 0;
    long peakKilobytes = 0;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Starts the program once and returns the time to its first-paint report and its peak memory.
StartUp startOnce(const QString& program)
{
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
    return {double(painted - std::chrono::nanoseconds(started).count()) / 1e6,
            match.captured(2).toLong()};
}

// Starts the two programs in turns, so that both meet the same load on the machine, and returns
// the medians of each.
std::pair<StartUp, StartUp> measureStartUps(const QString& program, const QString& yardstick)
{
    std::vector<double> times[2], memory[2];
    for (int run = 0; run < Runs; ++run) {
        const QString* order[2] = {&program, &yardstick};
        for (int which = 0; which < 2; ++which) {
            const StartUp once = startOnce(*order[which]);
            times[which].push_back(once.milliseconds);
            memory[which].push_back(double(once.peakKilobytes));
        }
    }
    return {{median(times[0]), long(median(memory[0]))},
            {median(times[1]), long(median(memory[1]))}};
}

// Notices the first paint of one widget.
class PaintWatch : public QObject {
public:
    QObject* target = nullptr;
    bool painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched == target)
            painted = true;
        return false;
    }
};

// Creates (which fits) one screen, shows it and runs the event loop until it has painted into
// its window; returns the median time in milliseconds.
double measureScreen(const QString& className)
{
    PaintWatch watch;
    qApp->installEventFilter(&watch);
    std::vector<double> times;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        gui::Form* form = shared::createScreen(className);
        watch.target = form;
        watch.painted = false;
        form->show();
        while (!watch.painted)
            QCoreApplication::processEvents();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        form->hide();
        gui::Application::instance().reset();
    }
    qApp->removeEventFilter(&watch);
    return median(times);
}

// The screen timings of one program, in a process of their own (the two programs' screen classes
// share names).
int measureScreens(int argc, char** argv, const QString& program)
{
    gui::Display::useWindowed(QSize(1920, 1440));
    gui::Application& application = gui::Application::instance();
    application.Initialize(argc, argv);
    QStringList classes = tools::registerProgram(program);
    // The display's window is up and exposed before the first screen is timed.
    gui::Display::instance().area();
    QCoreApplication::processEvents();
    // The participle course's menu runs the splash while it is made; it is left out here.
    classes.removeAll("TMainForm");
    classes.removeAll("TLogo");
    if (classes.removeAll("TMain"))
        std::printf("%-38s %12.2f\n", "adverbs: TMain (main menu)", measureScreen("TMain"));
    QString heaviest;
    double slowest = 0;
    for (const QString& className : classes) {
        const double time = measureScreen(className);
        if (time > slowest) {
            slowest = time;
            heaviest = className;
        }
    }
    std::printf("%-38s %12.2f\n", qPrintable(program + ": heaviest, " + heaviest), slowest);
    application.shutdown();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    if (argc == 3 && QString(argv[1]) == "--screens")
        return measureScreens(argc, argv, argv[2]);

    qputenv("TEXTBOOK_DISPLAY", "1024x768");
    const QString self = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath();
    const QString here = QFileInfo(self).absolutePath();
    const auto [program, yardstick] =
        measureStartUps(here + "/adverbs_startup_probe", here + "/bare_label_window");
    std::printf("%-38s %12s %12s %8s\n", "start-up (median of 15 runs)", "adverbs", "bare window",
                "ratio");
    std::printf("%-38s %12.1f %12.1f %8.2f\n", "process start to first paint, ms",
                program.milliseconds, yardstick.milliseconds,
                program.milliseconds / yardstick.milliseconds);
    std::printf("%-38s %12ld %12ld %8.2f\n", "peak resident memory, KiB", program.peakKilobytes,
                yardstick.peakKilobytes, double(program.peakKilobytes) / yardstick.peakKilobytes);

    std::printf("\n%-38s %12s\n", "create, fit, first paint at 1920x1440", "ms (median)");
    std::fflush(stdout);
    for (const char* course : {"adverbs", "russian"}) {
        QProcess screens;
        screens.setProcessChannelMode(QProcess::ForwardedOutputChannel);
        screens.start(self, {"--screens", course});
        screens.waitForFinished(300000);
    }
    return 0;
}
