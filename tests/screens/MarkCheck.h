#pragma once

#include <QStringList>

namespace gui {
class Form;
}

namespace testing_support {

// What a pupil would see wrong in a fitted screen's marks (roofs, prefix corners, underlines,
// arcs, arrows, crosses, stress marks), one line per fault, measured on the mark's painted pixels
// against the drawn letters that the mark names:
// - a mark that names no letters;
// - a mark over one word that does not reach from the middle of its first letter to the middle
//   of its last, give or take a quarter of a letter, or whose middle is off its letters' middle
//   by more than a sixth of their width (a tick, narrower than a third of its letter,
//   that does not stand at its letters' edge); a mark over several words that ends farther than a
//   blank from one of them;
// - a mark that reaches past its word onto the neighbouring character (a hyphen, a comma, a
//   letter); over a blank it may reach up to the blank's width;
// - a mark farther than a line from its line.
// Hidden marks are measured too; a mark on a button's caption, which the button draws, is not.
QStringList markFaults(const gui::Form& form);

} // namespace testing_support
