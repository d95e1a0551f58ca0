#include "tests/russian/practice_support.h"

#include <QApplication>
#include <QFontMetricsF>

namespace {

using namespace practice_testing;
using testing_support::clickControl;

QString syllableOf(std::size_t word, std::size_t syllable)
{
    return "Label" + QString::number(stressWords[word].syllables[syllable]);
}

QString markOf(std::size_t word, std::size_t syllable)
{
    return "Label" + QString::number(marksOf(word)[syllable]);
}

// Every mark of the screen, shown or not, in word order.
std::vector<bool> shownMarks(const gui::Form& screen)
{
    std::vector<bool> shown;
    for (int mark = 58; mark <= 109; ++mark)
        shown.push_back(screen.label("Label" + QString::number(mark)).isShown());
    return shown;
}

TEST_F(PracticeTest, TheStressWordsAreSplitIntoTheirSyllablesWithAHiddenMarkEach)
{
    gui::Form& screen = open("TForm23");
    std::size_t syllables = 0;
    for (std::size_t word = 0; word < stressWords.size(); ++word) {
        QString text;
        for (std::size_t i = 0; i < stressWords[word].syllables.size(); ++i) {
            const gui::Label& syllable = screen.label(syllableOf(word, i));
            text += syllable.text();
            EXPECT_EQ(syllable.color(), gui::clWindowText);
            EXPECT_TRUE(syllable.hasClickHandler());
            const gui::Label& mark = screen.label(markOf(word, i));
            EXPECT_EQ(mark.text(), "/");
            EXPECT_FALSE(mark.isShown());
            EXPECT_FALSE(mark.hasClickHandler());
            ++syllables;
        }
        EXPECT_EQ(text, stressWords[word].text);
    }
    EXPECT_EQ(syllables, 52u);
    EXPECT_EQ(optionLabels(screen).size(), 52);
}

TEST_F(PracticeTest, TheStressMarksAreWrongBeforeAnyClickAndRightEveryTimeWithTheKey)
{
    gui::Form& screen = open("TForm23");
    screen.button("BitBtn2").click(); // "Я ответил/а"
    EXPECT_EQ(messages, QStringList{Retry});
    EXPECT_TRUE(screen.isVisible());

    bool praisedFirst = false;
    gui::MessageBox::setObserver([&](gui::MessageBox& box) {
        praisedFirst =
            box.text() == Praise && screen.isVisible() && shared::instanceOf("TForm28") == nullptr;
        box.dismiss();
    });
    answer(screen, stressedSyllables());
    EXPECT_TRUE(praisedFirst);
    EXPECT_FALSE(screen.isVisible());
    gui::Form* first = shared::instanceOf("TForm28");
    ASSERT_TRUE(first && first->isVisible());
    first->Close();

    testing_support::recordMessages(messages);
    gui::Form& again = open("TForm23");
    for (bool shown : shownMarks(again))
        EXPECT_FALSE(shown);
    answer(again, stressedSyllables());
    EXPECT_EQ(messages.back(), Praise);
    gui::Form* second = shared::instanceOf("TForm28");
    ASSERT_NE(second, first);
    EXPECT_TRUE(second->isVisible());
}

TEST_F(PracticeTest, AClickMovesTheMarkOfItsWordAndNeverClearsIt)
{
    gui::Form& screen = open("TForm23");
    clickControl(screen, "Label5"); // "ня"
    clickControl(screen, "Label4"); // "При"
    EXPECT_TRUE(screen.label("Label58").isShown());
    EXPECT_FALSE(screen.label("Label59").isShown());
    EXPECT_FALSE(screen.label("Label60").isShown());

    clickControl(screen, "Label4");
    EXPECT_TRUE(screen.label("Label58").isShown());
    std::vector<bool> expected(52, false);
    expected[0] = true;
    EXPECT_EQ(shownMarks(screen), expected);
}

// A syllable's click shows its own mark, hides the other marks of its word and leaves every
// other word alone, also the word beside it on the same line.
TEST_F(PracticeTest, EachSyllableMarksOnlyItsOwnWord)
{
    gui::Form& screen = open("TForm23");
    for (std::size_t word = 0; word < stressWords.size(); ++word) {
        for (std::size_t i = 0; i < stressWords[word].syllables.size(); ++i) {
            std::vector<bool> expected = shownMarks(screen);
            const int first = marksOf(word).front() - 58;
            for (std::size_t j = 0; j < stressWords[word].syllables.size(); ++j)
                expected[std::size_t(first) + j] = j == i;
            clickControl(screen, syllableOf(word, i));
            EXPECT_EQ(shownMarks(screen), expected) << syllableOf(word, i).toStdString();
        }
    }
    EXPECT_TRUE(messages.isEmpty());
}

// Fourteen words right and one wrong or unmarked (as "Премированный," on "ми"): wrong, with the
// marks left as they are.
TEST_F(PracticeTest, EveryWrongOrMissingMarkIsWrong)
{
    for (std::size_t word = 0; word < stressWords.size(); ++word) {
        for (int choice = -1; choice < int(stressWords[word].syllables.size()); ++choice) {
            if (choice == stressWords[word].stressed)
                continue;
            QStringList clicks = stressedSyllables();
            if (choice < 0)
                clicks.removeAt(qsizetype(word));
            else
                clicks[qsizetype(word)] = syllableOf(word, std::size_t(choice));
            SCOPED_TRACE(clicks.join(' ').toStdString());
            messages.clear();
            gui::Form& screen = open("TForm23");
            answer(screen, clicks);
            EXPECT_EQ(messages, QStringList{Retry});
            EXPECT_TRUE(screen.isVisible());
            const std::vector<bool> before = shownMarks(screen);
            screen.button("BitBtn2").click();
            EXPECT_EQ(shownMarks(screen), before);
            EXPECT_EQ(shared::instanceOf("TForm28"), nullptr);
            screen.Close();
        }
    }
}

TEST_F(PracticeTest, EnterChecksAFreshStressScreenAndEscapeClosesIt)
{
    gui::Form& screen = open("TForm23");
    EXPECT_EQ(QApplication::focusWidget(), &screen.button("BitBtn2"));
    testing_support::pressKey(screen, Qt::Key_Return);
    EXPECT_EQ(messages, QStringList{Retry});
    EXPECT_TRUE(screen.isVisible());
    testing_support::pressKey(screen, Qt::Key_Escape);
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(messages, QStringList{Retry});
}

// The screen fills the lower half; its rule, designed 6 pixels left of the window, stays two
// pixels high.
TEST_F(PracticeTest, TheStressScreenFillsTheLowerHalfUnderItsRule)
{
    useDisplay(1920, 1440);
    gui::Form& screen = open("TForm23");
    EXPECT_EQ(screen.geometry(), QRect(0, 720, 1920, 720));
    EXPECT_EQ(screen.shape("Shape1").bounds(), QRect(-14, 0, 1920, 2));
}

class StressMarkPlacementTest : public PracticeTest, public ::testing::WithParamInterface<QSize> {};

// Where in the label's text a character lies, in display pixels from the label's left: the
// centre of its advance, with the text drawn at its design size times the scale.
qreal centreOf(const gui::Label& label, qsizetype index)
{
    const QFontMetricsF metrics(label.font().drawingFont());
    const QString& text = label.text();
    return label.bounds().left() + (metrics.horizontalAdvance(text.left(index)) +
                                    metrics.horizontalAdvance(text[index]) / 2) *
                                       label.font().drawingScale();
}

// The top of the character's ink and the bottom of it, in display pixels.
std::pair<qreal, qreal> inkOf(const gui::Label& label, qsizetype index)
{
    const QFontMetricsF metrics(label.font().drawingFont());
    const QRectF ink = metrics.tightBoundingRect(QString(label.text()[index]));
    const qreal scale = label.font().drawingScale();
    const qreal baseline = label.bounds().top() + metrics.ascent() * scale;
    return {baseline + ink.top() * scale, baseline + ink.bottom() * scale};
}

// Each mark stands over the vowel of its syllable: its centre within half a design pixel (and
// the rounding of two positions) of the vowel's centre, its foot above the vowel and no further
// from it than the mark is high.
TEST_P(StressMarkPlacementTest, EveryMarkLiesOverItsVowel)
{
    const QSize display = GetParam();
    useDisplay(display.width(), display.height());
    gui::Form& screen = open("TForm23");
    const qreal scale = display.width() / 800.0;
    const QString vowels = "аеёиоуыэюяАЕЁИОУЫЭЮЯ";
    qreal worst = 0;
    for (std::size_t word = 0; word < stressWords.size(); ++word) {
        for (std::size_t i = 0; i < stressWords[word].syllables.size(); ++i) {
            const gui::Label& syllable = screen.label(syllableOf(word, i));
            const gui::Label& mark = screen.label(markOf(word, i));
            qsizetype vowel = 0;
            while (vowel < syllable.text().size() && !vowels.contains(syllable.text()[vowel]))
                ++vowel;
            ASSERT_LT(vowel, syllable.text().size()) << syllable.text().toStdString();

            const qreal offset = centreOf(mark, 0) - centreOf(syllable, vowel);
            worst = std::max(worst, std::abs(offset));
            EXPECT_LE(std::abs(offset), 0.5 * scale + 1.0)
                << mark.controlName().toStdString() << " over \"" << syllable.text().toStdString()
                << "\": " << offset << " px; its design left would be "
                << qRound(mark.bounds().left() / scale - offset / scale);

            const auto [markTop, markFoot] = inkOf(mark, 0);
            const qreal vowelTop = inkOf(syllable, vowel).first;
            EXPECT_LT(markFoot, vowelTop) << mark.controlName().toStdString();
            EXPECT_LT(vowelTop - markFoot, markFoot - markTop) << mark.controlName().toStdString();
        }
    }
    RecordProperty("worst_offset_px", QString::number(worst, 'f', 2).toStdString());
}

INSTANTIATE_TEST_SUITE_P(Practice, StressMarkPlacementTest,
                         ::testing::Values(QSize(800, 600), QSize(1024, 768), QSize(1440, 1080),
                                           QSize(1920, 1440)),
                         [](const auto& info) {
                             return std::to_string(info.param.width()) + "x" +
                                    std::to_string(info.param.height());
                         });

} // namespace
