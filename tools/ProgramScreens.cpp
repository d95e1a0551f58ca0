#include "tools/ProgramScreens.h"

#include "adverbs/Program.h"
#include "adverbs/test/AnswerFlags.h"
#include "russian/Program.h"
#include "russian/test/AnswerFlags.h"
#include "shared/Screens.h"

#include <array>

namespace tools {
namespace {

template <std::size_t N> void answerFirstRight(std::array<bool, N>& flags, int count)
{
    for (std::size_t i = 0; i < N; ++i)
        flags[i] = static_cast<int>(i) < count;
}

} // namespace

QStringList registerProgram(const QString& program)
{
    if (program == "adverbs")
        adverbs::registerScreens();
    else if (program == "russian")
        russian::registerScreens();
    return shared::registeredClasses();
}

void setRightAnswers(const QString& program, int count)
{
    if (program == "adverbs")
        answerFirstRight(adverbs::AnswerFlags, count);
    else if (program == "russian")
        answerFirstRight(russian::AnswerFlags, count);
}

} // namespace tools
