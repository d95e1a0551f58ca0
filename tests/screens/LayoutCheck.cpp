#include "tests/screens/LayoutCheck.h"

#include "gui/Display.h"
#include "gui/Form.h"

#include <QFontMetricsF>
#include <algorithm>

namespace testing_support {
namespace {

// Gaps between words of different labels on one line, in widths of a blank of the left word's
// font: up to Joined they are meant as one word (a word and its bracket, the syllables of a word),
// which must then be drawn without a gap, from Apart as two.
constexpr qreal Joined = 0.25;
constexpr qreal Apart = 0.5;
// Labels stand at whole pixels while their text is scaled exactly: a pixel either way is rounding.
constexpr qreal Rounding = 1.0;

const QString ClosingPunctuation = ".,:;!?)»";

// A run of non-blank characters of a label, where it is drawn. A label may hold blanks into which
// another label sets a word, so words, not label boxes, are compared.
struct Word {
    const gui::Label* label;
    QString text;
    qreal left;
    qreal right;
    QRect line; // the label's box
    qreal blank;
};

std::vector<Word> wordsOf(const gui::Label& label)
{
    const gui::Font& font = label.font();
    const QFontMetricsF metrics(font.drawingFont());
    const qreal scale = font.drawingScale();
    const QString& text = label.text();
    const QRect box = label.bounds();
    std::vector<Word> words;
    for (qsizetype start = 0; start < text.size();) {
        if (text[start].isSpace()) {
            ++start;
            continue;
        }
        qsizetype end = start;
        while (end < text.size() && !text[end].isSpace())
            ++end;
        words.push_back({&label, text.mid(start, end - start),
                         box.left() + metrics.horizontalAdvance(text.left(start)) * scale,
                         box.left() + metrics.horizontalAdvance(text.left(end)) * scale, box,
                         metrics.horizontalAdvance(' ') * scale});
        start = end;
    }
    return words;
}

// An ellipsis standing for words left out is a word of its own, not punctuation that closes one.
bool isEllipsis(const QString& word)
{
    return word == "..." || word == "…";
}

bool onOneLine(const QRect& a, const QRect& b)
{
    const int shared = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top()) + 1;
    return shared > std::min(a.height(), b.height()) / 2;
}

QString describe(const Word& word)
{
    return word.label->controlName() + " \"" + word.text + "\"";
}

} // namespace

QStringList layoutFaults(const gui::Form& form)
{
    std::vector<Word> words;
    for (gui::Control* control : form.controls()) {
        auto* label = qobject_cast<const gui::Label*>(control->asObject());
        if (label && !label->isMark())
            for (const Word& word : wordsOf(*label))
                words.push_back(word);
    }
    std::sort(words.begin(), words.end(),
              [](const Word& a, const Word& b) { return a.left < b.left; });

    // What the pupil sees of the window: it may reach below the display.
    const int visibleHeight =
        std::min(form.clientArea()->height(), gui::Display::instance().height() - form.y());
    QStringList faults;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const Word& left = words[i];
        if (left.right > form.width() + Rounding)
            faults << describe(left) + " runs past the right edge";
        if (left.line.bottom() >= visibleHeight)
            faults << describe(left) + " runs below the display";

        // The nearest word to its right on the same line.
        const Word* next = nullptr;
        for (std::size_t j = i + 1; j < words.size() && !next; ++j)
            if (onOneLine(left.line, words[j].line))
                next = &words[j];
        if (!next || next->label == left.label)
            continue;
        const qreal gap = next->left - left.right;
        const QString pair = describe(left) + " and " + describe(*next);
        if (gap < -Rounding)
            faults << pair + QString(" overlap by %1 px").arg(-gap, 0, 'f', 1);
        else if (ClosingPunctuation.contains(next->text.front()) && !isEllipsis(next->text) &&
                 gap > left.blank * Joined + Rounding)
            faults << pair + QString(": a blank of %1 px before punctuation").arg(gap, 0, 'f', 1);
        // Within a word a tenth of a blank is not yet seen on a large screen.
        else if (gap > std::max(Rounding, left.blank / 10) && gap <= left.blank * Joined + Rounding)
            faults << pair + QString(": a gap of %1 px inside one word").arg(gap, 0, 'f', 1);
        else if (gap > left.blank * Joined + Rounding && gap < left.blank * Apart - Rounding)
            faults << pair + QString(": neither joined nor a blank apart (%1 px, a blank is %2)")
                                 .arg(gap, 0, 'f', 1)
                                 .arg(left.blank, 0, 'f', 1);
    }
    return faults;
}

} // namespace testing_support
