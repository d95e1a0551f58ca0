#pragma once

#include "gui/Color.h"

#include <QFont>
#include <QString>

namespace gui {

// A control's font as the layouts give it: a family, a size in whole points at 96 pixels per
// inch, a style and a colour.
struct Font {
    QString name = "MS Sans Serif";
    int size = 8;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    Color color = clWindowText;

    QFont toQFont() const;
};

// The pixel height of a font of the given point size at 96 pixels per inch, rounded as the
// programs' platform does (halves away from zero).
int pixelHeight(int points);

// Makes the fonts the layouts name resolve to installed, metric-compatible families.
void registerFontSubstitutes();

} // namespace gui
