#include "shared/TestResult.h"

#include "shared/Fitting.h"
#include "shared/RussianPlural.h"
#include "shared/Screens.h"

#include <cmath>

namespace shared {
namespace {

int gradeFor(int rightCount, const GradeThresholds& thresholds)
{
    if (rightCount >= thresholds.five)
        return 5;
    if (rightCount >= thresholds.four)
        return 4;
    if (rightCount >= thresholds.three)
        return 3;
    return 2;
}

// Halves go to the even neighbour (the default rounding mode), though no percentage of these
// tests lies halfway.
QString roundedPercent(double percent)
{
    return QString::number(static_cast<int>(std::nearbyint(percent)));
}

} // namespace

TestResult::TestResult(TestResultDeclaration declaration)
    // "Выход" closes by itself.
    : Screen({declaration.id, FullScreenPlacement, {}, {}})
    , declaration_(std::move(declaration))
{
}

void TestResult::FormCreate()
{
    const int questionCount = static_cast<int>(declaration_.flags.size());
    int rightCount = 0;
    QString wrongList;
    for (int q = 1; q <= questionCount; ++q) {
        if (declaration_.flags[q - 1])
            rightCount += 1;
        else
            wrongList += QString::number(q) + ", ";
    }
    const double percentRight = static_cast<double>(rightCount) / questionCount * 100.0;
    const double percentWrong =
        static_cast<double>(questionCount - rightCount) / questionCount * 100.0;

    label("Label3").setText(QString::number(rightCount));
    label("Label4").setText(pluralForm(rightCount, "задание", "задания", "заданий") + " из " +
                            QString::number(questionCount));
    label("Label5").setText("(" + roundedPercent(percentRight) + "% )");
    label("Label7").setText(QString::number(gradeFor(rightCount, declaration_.thresholds)));
    if (!wrongList.isEmpty())
        label("Label8").setText("Ошибки в заданиях: " + wrongList);

    gui::PieSeries& series = get<gui::Chart>("Chart1").series();
    series.title = "Результаты";
    series.Clear();
    series.AddXY(0, percentRight, "% Правильно", gui::clGreen.toQColor());
    series.AddXY(0, percentWrong, "% Неправильно", gui::clRed.toQColor());

    Screen::FormCreate();
}

void registerTestResult(const TestResultDeclaration& declaration)
{
    registerScreen(declaration.id.className,
                   [declaration] { return std::make_unique<TestResult>(declaration); });
}

} // namespace shared
