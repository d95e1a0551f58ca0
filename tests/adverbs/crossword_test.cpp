#include "tests/adverbs/practice_support.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

using namespace practice_testing;
using testing_support::pressKey;

// The crossword as the pupil sees it: each row's field, its "OK", the word and its letter cells.
struct Row {
    const char* field;
    const char* button;
    QString answer;
    int firstCell;
};

const std::vector<Row> rows = {
    {"Edit1", "BitBtn3", "наизнанку", 15}, {"Edit2", "BitBtn4", "накануне", 24},
    {"Edit3", "BitBtn5", "осторожно", 32}, {"Edit4", "BitBtn6", "поспешно", 41},
    {"Edit5", "BitBtn7", "вручную", 49},   {"Edit6", "BitBtn8", "подчистую", 56},
    {"Edit7", "BitBtn9", "примерно", 65},
};
// Rows 2 and 5 begin one column to the right.
const int firstColumn[] = {1, 2, 1, 1, 2, 1, 1};
const int MarkedColumn = 5;

gui::Edit& field(gui::Form& screen, const Row& row)
{
    return screen.get<gui::Edit>(row.field);
}

// What the row's cells show, left to right, read as one word.
QString written(const gui::Form& screen, const Row& row)
{
    QString word;
    for (int i = 0; i < row.answer.size(); ++i)
        word += screen.label(QString("Label%1").arg(row.firstCell + i)).text();
    return word;
}

QString markedColumn(const gui::Form& screen)
{
    QString column;
    for (std::size_t r = 0; r < rows.size(); ++r)
        column +=
            screen.label(QString("Label%1").arg(rows[r].firstCell + MarkedColumn - firstColumn[r]))
                .text();
    return column;
}

bool gridIsEmpty(const gui::Form& screen)
{
    return std::all_of(rows.begin(), rows.end(),
                       [&](const Row& row) { return written(screen, row).isEmpty(); });
}

// Types into the focused field as a keyboard delivers the letters, each key with its text.
void typeText(QWidget* target, const QString& text)
{
    for (const QChar letter : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
        QApplication::sendEvent(target, &press);
    }
}

class CrosswordTest : public PracticeTest {
protected:
    // Puts the word into the row's field and presses the row's "OK".
    static void confirm(gui::Form& screen, const Row& row, const QString& word)
    {
        field(screen, row).setText(word);
        screen.button(row.button).click();
    }
};

TEST_F(CrosswordTest, ARightWordFillsOnlyItsRowSilentlyAndStaysInItsField)
{
    for (const Row& row : rows) {
        SCOPED_TRACE(row.field);
        gui::Form& screen = open("TForm21");
        confirm(screen, row, row.answer);
        EXPECT_EQ(written(screen, row), row.answer);
        EXPECT_EQ(field(screen, row).text(), row.answer);
        for (const Row& other : rows)
            EXPECT_EQ(written(screen, other), &other == &row ? row.answer : QString());
        // A second confirmation writes the same letters again and still says nothing.
        confirm(screen, row, row.answer);
        EXPECT_EQ(written(screen, row), row.answer);
        EXPECT_TRUE(messages.isEmpty());
        EXPECT_TRUE(screen.isVisible());
        screen.Close();
    }
}

TEST_F(CrosswordTest, AnythingButTheExactWordIsWrongAndEmptiesTheField)
{
    const Row& first = rows[0];
    for (const QString& wrong : {QString("Наизнанку"), QString("наизнанку "), QString(" наизнанку"),
                                 QString(), QString("наизнанк"), rows[1].answer}) {
        SCOPED_TRACE(wrong.toStdString());
        messages.clear();
        gui::Form& screen = open("TForm21");
        confirm(screen, first, wrong);
        EXPECT_EQ(messages, QStringList{Retry});
        EXPECT_EQ(field(screen, first).text(), QString());
        EXPECT_TRUE(gridIsEmpty(screen));
        screen.Close();
    }
    // Every row's word is wrong in the next row's field.
    messages.clear();
    gui::Form& screen = open("TForm21");
    for (std::size_t r = 0; r < rows.size(); ++r)
        confirm(screen, rows[(r + 1) % rows.size()], rows[r].answer);
    EXPECT_EQ(messages.size(), int(rows.size()));
    EXPECT_TRUE(gridIsEmpty(screen));
    EXPECT_FALSE(progress().PracticeDone[3]);
}

TEST_F(CrosswordTest, AWrongWordInAWrittenRowKeepsItsLetters)
{
    gui::Form& screen = open("TForm21");
    confirm(screen, rows[2], rows[2].answer);
    confirm(screen, rows[2], "осторожна");
    EXPECT_EQ(messages, QStringList{Retry});
    EXPECT_EQ(field(screen, rows[2]).text(), QString());
    EXPECT_EQ(written(screen, rows[2]), rows[2].answer);
}

TEST_F(CrosswordTest, TheSeventhRowInAnyOrderCompletesItAndPraisesOverTheFullGrid)
{
    gui::Form& screen = open("TForm21");
    QString columnWhilePraised;
    bool shownWhilePraised = false;
    gui::MessageBox::setObserver([&](gui::MessageBox& box) {
        messages << box.text();
        columnWhilePraised = markedColumn(screen);
        shownWhilePraised = screen.isVisible();
        box.dismiss();
    });
    for (int r : {6, 2, 0, 5, 1, 4}) {
        confirm(screen, rows[r], rows[r].answer);
        EXPECT_TRUE(screen.isVisible());
    }
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_FALSE(progress().PracticeDone[3]);

    confirm(screen, rows[3], rows[3].answer);
    EXPECT_EQ(messages, QStringList{Praise});
    EXPECT_EQ(columnWhilePraised, "наречие");
    EXPECT_TRUE(shownWhilePraised);
    EXPECT_TRUE(progress().PracticeDone[3]);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_TRUE(isOpen("TForm22"));
    EXPECT_EQ(instanceCount("TForm27"), 0);
}

TEST_F(CrosswordTest, TheGateOpensTheCongratulationInsteadOfExercise5)
{
    setAllDoneBut(3);
    gui::Form& screen = open("TForm21");
    for (const Row& row : rows)
        confirm(screen, row, row.answer);
    EXPECT_EQ(messages, QStringList{Praise});
    EXPECT_TRUE(isOpen("TForm27"));
    EXPECT_EQ(shared::instanceOf("TForm22"), nullptr);
}

TEST_F(CrosswordTest, ItOpensFromItem4AndAfterTheOddOneOutAndReopensEmpty)
{
    gui::Form& menu = open("TForm16");
    menu.label("Label4").click();
    gui::Form& first = newest("TForm21");
    ASSERT_TRUE(first.isVisible());
    for (const Row& row : rows)
        confirm(first, row, row.answer);
    EXPECT_TRUE(isOpen("TForm22"));
    newest("TForm22").button("BitBtn1").click();
    EXPECT_TRUE(menu.label("Label16").isShown()); // "Выполнено"

    menu.label("Label4").click();
    gui::Form& again = newest("TForm21");
    EXPECT_NE(&again, &first);
    EXPECT_TRUE(gridIsEmpty(again));
    for (const Row& row : rows)
        EXPECT_EQ(field(again, row).text(), QString());
    // Done once more: the flag stays set and the gate is asked again, now with everything done.
    progress().PracticeDone.fill(true);
    for (const Row& row : rows)
        confirm(again, row, row.answer);
    EXPECT_TRUE(progress().PracticeDone[3]);
    EXPECT_TRUE(isOpen("TForm27"));

    answerRight(open("TForm46"));
    EXPECT_TRUE(newest("TForm21").isVisible());
}

// Each row's field confirms its own row with Enter, not row 1; a focused button takes Enter
// itself, and Esc closes the screen.
TEST_F(CrosswordTest, EnterInARowsFieldConfirmsThatRow)
{
    gui::Form& screen = open("TForm21");
    EXPECT_EQ(QApplication::focusWidget(), &screen.button("BitBtn1")); // "Закрыть" comes first
    pressKey(screen, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &field(screen, rows[0]));
    for (std::size_t r = 1; r < rows.size(); ++r) {
        SCOPED_TRACE(rows[r].field);
        pressKey(screen, Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), &field(screen, rows[r]));
        typeText(&field(screen, rows[r]), rows[r].answer);
        pressKey(screen, r % 2 ? Qt::Key_Return : Qt::Key_Enter);
        EXPECT_EQ(written(screen, rows[r]), rows[r].answer);
    }
    EXPECT_TRUE(messages.isEmpty()); // row 1, still empty, was never confirmed
    EXPECT_TRUE(written(screen, rows[0]).isEmpty());

    // Enter on a focused row button clicks that button.
    field(screen, rows[0]).setText(rows[0].answer);
    screen.button("BitBtn5").setFocus();
    pressKey(screen, Qt::Key_Return);
    EXPECT_TRUE(written(screen, rows[0]).isEmpty());
    screen.button("BitBtn3").setFocus();
    pressKey(screen, Qt::Key_Return);
    EXPECT_EQ(messages, QStringList{Praise});
    EXPECT_FALSE(screen.isVisible());

    gui::Form& other = open("TForm21");
    field(other, rows[3]).setFocus();
    typeText(&field(other, rows[3]), "ПОСПЕШНО");
    EXPECT_EQ(field(other, rows[3]).text(), "ПОСПЕШНО"); // taken as typed
    pressKey(other, Qt::Key_Return);
    EXPECT_EQ(messages, (QStringList{Praise, Retry}));
    EXPECT_EQ(field(other, rows[3]).text(), QString());
    pressKey(other, Qt::Key_Escape);
    EXPECT_FALSE(other.isVisible());
    EXPECT_EQ(messages.size(), 2);
}

} // namespace
