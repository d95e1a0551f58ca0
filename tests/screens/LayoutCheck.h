#pragma once

#include <QStringList>

namespace gui {
class Form;
}

namespace testing_support {

// What a pupil would see wrong in a fitted screen's text, one line per fault:
// - a text label that runs past the window's right edge or below the display's bottom;
// - two text labels on one line that overlap;
// - two labels on one line neither joined (as a word and its bracket are) nor a blank apart,
//   so that two words run together or look split; two labels meant as one word (a word and its
//   bracket, the syllables of a word) drawn apart;
// - a blank before punctuation that starts a label.
// Labels the layout declares as marks (stress marks, underlines, crossing-out strokes) lie over
// text by design and are left out.
QStringList layoutFaults(const gui::Form& form);

} // namespace testing_support
