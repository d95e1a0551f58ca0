#include "shared/RussianPlural.h"

#include <cstdlib>

namespace shared {

QString pluralForm(int count, const QString& one, const QString& few, const QString& many)
{
    const int n = std::abs(count) % 100;
    if (n >= 11 && n <= 14)
        return many;
    switch (n % 10) {
    case 1:
        return one;
    case 2:
    case 3:
    case 4:
        return few;
    default:
        return many;
    }
}

} // namespace shared
