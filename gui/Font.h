#pragma once

#include "gui/Color.h"

#include <QFont>
#include <QString>

namespace gui {

// A control's font as the layouts give it: a family, a size in whole points at 96 pixels per
// inch, a style and a colour.
//
// A font fitted to the display reports its size scaled and rounded to whole points, but is drawn
// at exactly its design pixel height times the display's scale: rounded sizes would make a line
// built of several labels a few percent longer or shorter than the places the layout gives them.
struct Font {
    QString name = "MS Sans Serif";
    int size = 8;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    Color color = clWindowText;

    // The font at its size in whole points.
    QFont toQFont() const;
    // The font to draw with: at its design pixel height, to be drawn scaled by drawingScale().
    QFont drawingFont() const;
    qreal drawingScale() const { return scale_; }

    // Sets the size as the layout gives it, unfitted.
    void setSize(int points);
    // Fits the font to the display: it reports the fitted size and is drawn at its design height
    // times the scale.
    void fit(int fittedPoints, qreal scale);

private:
    int designPixels_ = 0; // 0: the font is not fitted
    qreal scale_ = 1;
};

// The pixel height of a font of the given point size at 96 pixels per inch, rounded as the
// programs' platform does (halves away from zero).
int pixelHeight(int points);

// Makes the fonts the layouts name resolve to installed, metric-compatible families.
void registerFontSubstitutes();

} // namespace gui
