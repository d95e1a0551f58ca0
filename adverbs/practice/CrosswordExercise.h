#pragma once

#include "shared/Screen.h"

#include <QStringList>
#include <vector>

namespace adverbs {

// One row of the crossword: the pupil types a word into the row's field and confirms it with the
// row's button; the right word fills the row's letter cells, one letter each, left to right.
struct CrosswordRow {
    QString field;      // the edit field the word is typed into
    QString button;     // the row's "OK"
    QString answer;     // compared exactly: case, blanks and all
    QStringList cells;  // the letter labels of the row, one per letter of the answer
    QString markedCell; // the row's cell in the marked column
};

// A crossword whose marked column, read from the top row down, spells the hidden word.
struct CrosswordDeclaration {
    gui::FormId id;
    std::vector<CrosswordRow> rows;
    QString hiddenWord;              // one letter per row
    QString closeButton = "BitBtn1"; // "Закрыть"
};

// The crossword screen. A right word writes its row silently; a wrong one gets the retry message
// and its field is emptied, while the row keeps whatever an earlier right word wrote. When the
// marked column spells the hidden word the exercise is complete. Enter in a row's field confirms
// that row.
class CrosswordExercise : public shared::Screen {
public:
    explicit CrosswordExercise(CrosswordDeclaration declaration);

    // The row handler: checks the row's word, then whether the marked column is complete.
    void confirmRow(const CrosswordRow& row);

private:
    bool columnIsComplete() const;

    CrosswordDeclaration declaration_;
};

} // namespace adverbs
