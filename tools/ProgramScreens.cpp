#include "ProgramScreens.h"

#include "Program.h"
#include "Screens.h"

namespace tools {

QStringList registerProgram(const QString& program)
{
    if (program == "adverbs")
        adverbs::registerScreens();
    return frame::registeredClasses();
}

} // namespace tools
