#pragma once

#include <QStringList>

namespace gui {
class Form;
}

namespace testing_support {

// What a pupil would see covered or touching in a fitted screen, one line per fault, measured on
// the drawn ink of the texts (each word's glyph box) and the painted outlines of the shapes:
// - a button or shape that runs below the display;
// - a text over a button, radio button, check box or edit field, or touching one;
// - words of neighbouring lines with less clear space between them than a clear line gap;
// - a text crossing or touching the outline of a shape (an ellipse as drawn, not its box);
// - a shape touching or crossing a button, or an ellipse touching or crossing another shape
//   (rectangles on whole pixels either meet, as the cells of a grid do, or stand clear).
// Controls the layout declares as marks lie over text by design and are left out.
QStringList overlapFaults(const gui::Form& form);

} // namespace testing_support
