#include "tests/screens/MarkCheck.h"

#include "gui/Display.h"
#include "gui/Form.h"
#include "gui/GraphicControl.h"
#include "gui/Label.h"
#include "shared/Fitting.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <optional>

namespace testing_support {
namespace {

// Labels stand at whole pixels while their text is scaled exactly: a pixel either way is rounding.
constexpr qreal Rounding = 1.0;
// How far a tick may stand from the edge of its letter, in design pixels.
constexpr qreal TickReach = 3.0;

// Where a label's characters are drawn, in client coordinates.
class DrawnText {
public:
    explicit DrawnText(const gui::Label& label)
        : label_(label), metrics_(label.font().drawingFont()), scale_(label.font().drawingScale())
    {
    }

    // The left edge of character `index` (the text's end for index == size).
    qreal x(qsizetype index) const
    {
        return label_.bounds().left() +
               metrics_.horizontalAdvance(label_.text().left(index)) * scale_;
    }
    qreal centreOf(qsizetype index) const { return (x(index) + x(index + 1)) / 2; }
    qreal blank() const { return metrics_.horizontalAdvance(' ') * scale_; }
    QString text() const { return label_.text(); }

private:
    const gui::Label& label_;
    QFontMetricsF metrics_;
    qreal scale_;
};

// The box around the pixels that a control paints.
std::optional<QRect> inkOf(const gui::GraphicControl& mark, const QSize& client)
{
    QImage canvas(client, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        mark.paint(painter);
    }
    const QRect area = mark.bounds().intersected(canvas.rect());
    int left = area.right() + 1, right = area.left() - 1, top = area.bottom() + 1,
        bottom = area.top() - 1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x) {
            // Ink, not the white ground of a picture.
            const QRgb pixel = line[x];
            if (qAlpha(pixel) < 128 || (qRed(pixel) > 200 && qGreen(pixel) > 200 && qBlue(pixel) > 200))
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (left > right)
        return std::nullopt;
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// A button draws its own caption, whose letters cannot be measured here: a mark on it goes
// unchecked.
bool liesOnAButton(const gui::Form& form, const gui::Control& mark)
{
    for (gui::Control* control : form.controls()) {
        const gui::ControlKind kind = control->kind();
        if ((kind == gui::ControlKind::RadioButton || kind == gui::ControlKind::CheckBox ||
             kind == gui::ControlKind::BitBtn) &&
            control->bounds().contains(mark.bounds().center()))
            return true;
    }
    return false;
}

const gui::Label* labelNamed(const gui::Form& form, const QString& name)
{
    for (gui::Control* control : form.controls())
        if (control->controlName() == name)
            return qobject_cast<const gui::Label*>(control->asObject());
    return nullptr;
}

// How far a mark may reach beyond its context on one side: over a blank, up to the blank's width;
// where the label ends, half a blank; over anything else, not at all.
qreal allowance(const DrawnText& drawn, qsizetype neighbour)
{
    if (neighbour < 0 || neighbour >= drawn.text().size())
        return drawn.blank() / 2;
    return drawn.text()[neighbour].isSpace() ? drawn.blank() : 0;
}

} // namespace

QStringList markFaults(const gui::Form& form)
{
    QStringList faults;
    const QSize client = form.clientArea()->size();
    const qreal tickReach = TickReach * shared::scaleFactorFor(gui::Display::instance().width());
    // Hidden marks too: a right answer shows them where they stand.
    for (gui::Control* control : form.controls()) {
        auto* mark = qobject_cast<const gui::GraphicControl*>(control->asObject());
        if (!mark || !control->isMark())
            continue;
        const QString name = control->controlName();
        const std::vector<gui::MarkTarget>& targets = control->markTargets();
        if (targets.empty()) {
            if (!liesOnAButton(form, *control))
                faults << name + ": a mark that names no letters";
            continue;
        }
        const std::optional<QRect> ink = inkOf(*mark, client);
        if (!ink)
            continue; // nothing drawn at this size: nothing to misplace
        const qreal inkLeft = ink->left(), inkRight = ink->right() + 1;

        qreal leftLimit = 1e9, rightLimit = -1e9;
        bool isTick = false;
        for (const gui::MarkTarget& target : targets) {
            const gui::Label* label = labelNamed(form, target.label);
            if (!label)
                continue; // the layout reader makes sure it is there
            const DrawnText drawn(*label);
            const qsizetype first = target.from, last = target.from + target.length - 1;
            const QString letters = target.label + " \"" + drawn.text().mid(first, target.length) + "\"";
            if (targets.size() == 1) {
                const qreal from = drawn.centreOf(first), to = drawn.centreOf(last);
                // A quarter of a letter either way still reads as on the letter.
                const qreal slackFrom = std::max(Rounding, (drawn.x(first + 1) - drawn.x(first)) / 4);
                const qreal slackTo = std::max(Rounding, (drawn.x(last + 1) - drawn.x(last)) / 4);
                // A tick (the end stroke of a bracket or of a corner) stands at its letter's edge.
                const bool tick = inkRight - inkLeft <= (drawn.x(first + 1) - drawn.x(first)) / 3;
                const bool tickOnLetters = inkLeft <= drawn.x(last + 1) + tickReach &&
                                           inkRight >= drawn.x(first) - tickReach;
                isTick = tick;
                // Its middle over its letters' middle, within a sixth of their width.
                const qreal off = std::abs((inkLeft + inkRight) / 2 -
                                           (drawn.x(first) + drawn.x(last + 1)) / 2);
                const bool centred = off <= std::max(1.5, (drawn.x(last + 1) - drawn.x(first)) / 6);
                if (tick ? !tickOnLetters
                         : inkLeft > from + slackFrom || inkRight < to - slackTo || !centred)
                    faults << name + " on " + letters +
                                  QString(": covers %1–%2 px, its letters %3–%4 px")
                                      .arg(inkLeft, 0, 'f', 1)
                                      .arg(inkRight, 0, 'f', 1)
                                      .arg(drawn.x(first), 0, 'f', 1)
                                      .arg(drawn.x(last + 1), 0, 'f', 1);
            } else if (inkLeft > drawn.x(last + 1) + drawn.blank() ||
                       inkRight < drawn.x(first) - drawn.blank()) {
                // A mark over several words (an arrow, a gap mark) ends within a blank of each.
                faults << name + " misses " + letters;
            }
            // The context around the letters: the word the layout quotes.
            const qsizetype open = target.letters.indexOf('[');
            const qsizetype contextStart = first - open;
            const qsizetype contextEnd = contextStart + target.letters.size() - 2;
            leftLimit = std::min(leftLimit, drawn.x(contextStart) - allowance(drawn, contextStart - 1));
            rightLimit = std::max(rightLimit, drawn.x(contextEnd) + allowance(drawn, contextEnd));

            const QRect line = label->bounds();
            if (ink->bottom() < line.top() - line.height() || ink->top() > line.bottom() + line.height())
                faults << name + " stands a line or more away from " + letters;
        }
        // A tick may stand just outside its word, on the word's edge.
        if (targets.size() == 1 && isTick) {
            leftLimit -= tickReach;
            rightLimit += tickReach;
        }
        if (inkLeft < leftLimit - Rounding)
            faults << name + QString(" reaches %1 px left of its word").arg(leftLimit - inkLeft, 0, 'f', 1);
        if (inkRight > rightLimit + Rounding)
            faults << name + QString(" reaches %1 px right of its word").arg(inkRight - rightLimit, 0, 'f', 1);
    }
    return faults;
}

} // namespace testing_support
