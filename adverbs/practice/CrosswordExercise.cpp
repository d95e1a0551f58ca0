#include "adverbs/practice/CrosswordExercise.h"

#include "adverbs/practice/CompletionStep.h"
#include "shared/Messages.h"

#include <stdexcept>

namespace adverbs {

CrosswordExercise::CrosswordExercise(CrosswordDeclaration declaration)
    : Screen({declaration.id, shared::Placement::AdverbsPractice, declaration.closeButton, {}})
    , declaration_(std::move(declaration))
{
    if (declaration_.rows.size() != std::size_t(declaration_.hiddenWord.size()))
        throw std::logic_error("a crossword has one row per letter of its hidden word");
    for (std::size_t r = 0; r < declaration_.rows.size(); ++r) {
        const CrosswordRow& row = declaration_.rows[r];
        const qsizetype marked = row.cells.indexOf(row.markedCell);
        if (row.cells.size() != row.answer.size() || marked < 0 ||
            row.answer[marked] != declaration_.hiddenWord[r])
            throw std::logic_error(
                ("crossword row " + row.answer + " does not fit its cells or the hidden word")
                    .toStdString());
        get<gui::Edit>(row.field);
        for (const QString& cell : row.cells)
            label(cell);
        onClick(row.button, [this, &row] { confirmRow(row); });
        setEnterButton(row.field, row.button);
    }
}

void CrosswordExercise::confirmRow(const CrosswordRow& row)
{
    gui::Edit& field = get<gui::Edit>(row.field);
    if (field.text() == row.answer) {
        for (qsizetype i = 0; i < row.cells.size(); ++i)
            label(row.cells[i]).setText(QString(row.answer.at(i)));
    } else {
        shared::RetryMessage();
        field.clear();
    }
    if (columnIsComplete())
        completeStep(*this, Praise::Shown);
}

bool CrosswordExercise::columnIsComplete() const
{
    for (std::size_t r = 0; r < declaration_.rows.size(); ++r)
        if (label(declaration_.rows[r].markedCell).text() != QString(declaration_.hiddenWord.at(r)))
            return false;
    return true;
}

} // namespace adverbs
