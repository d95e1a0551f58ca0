#pragma once

#include <QStringList>

namespace tools {

// Registers the screens of "adverbs" or "russian" and returns their class names.
QStringList registerProgram(const QString& program);

} // namespace tools
