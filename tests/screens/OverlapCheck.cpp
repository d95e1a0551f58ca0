#include "tests/screens/OverlapCheck.h"

#include "gui/Display.h"
#include "gui/Form.h"
#include "gui/Label.h"
#include "gui/Shape.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <map>
#include <optional>

namespace testing_support {
namespace {

// Clear space, in pixels, that two drawn things need between them not to look as if they touched:
// outlines and glyph edges are antialiased, so under a whole pixel they run into each other.
constexpr qreal Clear = 1.0;
// Clear space between a letter and the one above or below it on the next line, in parts of the
// larger font's size: lines set solid leave about that between descenders and ascenders; less
// reads as touching.
constexpr qreal LineGap = 0.1;

// A word as it is drawn: the box of its ink and the ink box of each letter, not the line box.
struct Word {
    const gui::Label* label;
    QString text;
    QRectF ink;
    std::vector<QRectF> letters;
};

std::vector<Word> wordsOf(const gui::Label& label)
{
    const gui::Font& font = label.font();
    const QFont drawing = font.drawingFont();
    const QFontMetricsF metrics(drawing);
    const qreal scale = font.drawingScale();
    const QString& text = label.text();
    const QPointF origin = label.bounds().topLeft();
    std::vector<Word> words;
    bool inWord = false;
    // Letter by letter, each with the accents that follow it; blanks end words.
    for (qsizetype letter = 0; letter < text.size();) {
        qsizetype next = letter + 1;
        while (next < text.size() && text[next].isMark())
            ++next;
        if (text[letter].isSpace()) {
            inWord = false;
        } else {
            if (!inWord)
                words.push_back({&label, {}, {}, {}});
            inWord = true;
            Word& word = words.back();
            word.text += text.mid(letter, next - letter);
            // The outline's own box: the font's glyph metrics are rounded to whole pixels.
            QPainterPath outline;
            outline.addText(0, 0, drawing, text.mid(letter, next - letter));
            const QRectF glyph = outline.boundingRect();
            const QPointF at(metrics.horizontalAdvance(text.left(letter)) + glyph.left(),
                             metrics.ascent() + glyph.top());
            if (!glyph.isEmpty()) {
                word.letters.push_back(QRectF(origin + at * scale, glyph.size() * scale));
                word.ink = word.ink.isNull() ? word.letters.back()
                                             : word.ink.united(word.letters.back());
            }
        }
        letter = next;
    }
    std::erase_if(words, [](const Word& word) { return word.letters.empty(); });
    return words;
}

// The distance between two boxes; negative by how far they overlap.
qreal boxGap(const QRectF& a, const QRectF& b)
{
    const qreal dx = std::max(a.left() - b.right(), b.left() - a.right());
    const qreal dy = std::max(a.top() - b.bottom(), b.top() - a.bottom());
    if (dx > 0 && dy > 0)
        return std::hypot(dx, dy);
    return std::max(dx, dy);
}

qreal pointToBox(const QPointF& p, const QRectF& box)
{
    const qreal dx = std::max({box.left() - p.x(), 0.0, p.x() - box.right()});
    const qreal dy = std::max({box.top() - p.y(), 0.0, p.y() - box.bottom()});
    return std::hypot(dx, dy);
}

// A shape's outline as it is painted with its one-pixel pen.
struct Outline {
    const gui::Shape* shape;
    bool ellipse;
    QRectF area;   // a rectangle: the pixels it covers, outline included
    QPointF centre; // an ellipse: the pen's middle line
    qreal a = 0, b = 0;
    std::vector<QPointF> points; // along an ellipse's middle line, a quarter pixel apart

    QRectF inner() const { return area.adjusted(1, 1, -1, -1); }
    QRectF extent() const
    {
        return ellipse ? QRectF(centre.x() - a - 0.5, centre.y() - b - 0.5, 2 * a + 1, 2 * b + 1)
                       : area;
    }

    // Approximately how far a point lies from the ellipse's middle line (to first order, which
    // is exact enough near the line, where it matters), and on which side.
    qreal fromEllipse(const QPointF& p, bool* inside = nullptr) const
    {
        const qreal u = (p.x() - centre.x()) / a, v = (p.y() - centre.y()) / b;
        const qreal r = std::hypot(u, v);
        if (inside)
            *inside = r < 1;
        if (r == 0)
            return std::min(a, b);
        return std::abs(r - 1) / std::hypot(u / (a * r), v / (b * r));
    }

    // How far a point lies from the painted pixels of a rectangle's outline.
    qreal fromRing(const QPointF& p) const
    {
        const QRectF in = inner();
        if (in.contains(p))
            return std::min({p.x() - in.left(), in.right() - p.x(), p.y() - in.top(),
                             in.bottom() - p.y()});
        return pointToBox(p, area);
    }
};

Outline outlineOf(const gui::Shape& shape)
{
    const QRect bounds = shape.bounds();
    Outline outline{&shape, shape.shape() == gui::ShapeType::Ellipse ||
                                shape.shape() == gui::ShapeType::Circle,
                    QRectF(bounds), {}, 0, 0, {}};
    if (!outline.ellipse)
        return outline;
    // As the shape paints it: the pen's middle runs along the bounds less a pixel, a circle is
    // the largest centred one.
    QRect figure(bounds.left(), bounds.top(), bounds.width() - 1, bounds.height() - 1);
    if (shape.shape() == gui::ShapeType::Circle) {
        const int side = std::min(figure.width(), figure.height());
        figure = QRect(figure.left() + (figure.width() - side) / 2,
                       figure.top() + (figure.height() - side) / 2, side, side);
    }
    outline.a = std::max(figure.width() / 2.0, 0.5);
    outline.b = std::max(figure.height() / 2.0, 0.5);
    outline.centre = QPointF(figure.left() + outline.a, figure.top() + outline.b);
    const qreal h = std::pow((outline.a - outline.b) / (outline.a + outline.b), 2);
    const qreal perimeter =
        M_PI * (outline.a + outline.b) * (1 + 3 * h / (10 + std::sqrt(4 - 3 * h)));
    const int count = std::max(64, int(std::ceil(perimeter * 4)));
    for (int i = 0; i < count; ++i) {
        const qreal t = 2 * M_PI * i / count;
        outline.points.push_back(outline.centre + QPointF(outline.a * std::cos(t),
                                                          outline.b * std::sin(t)));
    }
    return outline;
}

// The clear space between a box (a word's ink, a button) and a shape's painted outline; zero or
// less where the box touches or crosses it. A box wholly inside or outside is clear of it.
qreal clearance(const QRectF& box, const Outline& outline)
{
    const qreal far = boxGap(box, outline.extent());
    if (far > Clear)
        return far;
    if (!outline.ellipse) {
        const QRectF in = outline.inner();
        const qreal inside = std::min({box.left() - in.left(), in.right() - box.right(),
                                       box.top() - in.top(), in.bottom() - box.bottom()});
        // Partly inside: by how far it reaches into the outline or beyond.
        return far > 0 ? far : inside;
    }
    qreal nearest = 1e9;
    for (const QPointF& p : outline.points)
        nearest = std::min(nearest, pointToBox(p, box));
    return nearest - 0.5;
}

// The clear space between two shapes' outlines, or nothing for two rectangles: on whole pixels
// they meet, as the cells of a grid, the steps of a stair or a frame's rules do, or stand clear.
std::optional<qreal> clearance(const Outline& one, const Outline& other)
{
    const qreal far = boxGap(one.extent(), other.extent());
    if (far > Clear)
        return far;
    if (!one.ellipse && !other.ellipse) {
        // Whole pixels: they either meet, which joins their lines, or stand a pixel or more apart.
        return std::nullopt;
    }
    const Outline& curve = one.ellipse ? one : other;
    const Outline& rest = one.ellipse ? other : one;
    qreal nearest = 1e9;
    bool seenInside = false, seenOutside = false;
    for (const QPointF& p : curve.points) {
        if (rest.ellipse) {
            bool inside = false;
            nearest = std::min(nearest, rest.fromEllipse(p, &inside) - 0.5);
            (inside ? seenInside : seenOutside) = true;
        } else {
            nearest = std::min(nearest, rest.fromRing(p));
        }
    }
    if (seenInside && seenOutside)
        return 0.0;
    return nearest - 0.5;
}

bool onOneLine(const QRect& a, const QRect& b)
{
    const int shared = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top()) + 1;
    return shared > std::min(a.height(), b.height()) / 2;
}

bool isButton(gui::ControlKind kind)
{
    return kind == gui::ControlKind::BitBtn || kind == gui::ControlKind::RadioButton ||
           kind == gui::ControlKind::CheckBox || kind == gui::ControlKind::Edit;
}

QString px(qreal value)
{
    return QString::number(value, 'f', 1) + " px";
}

// Keeps the smallest clearance per pair of controls, so that a label reports once.
class Nearest {
public:
    // The clear space between two controls, and the space they need.
    void note(const QString& one, const QString& other, qreal gap, qreal need = Clear)
    {
        auto [it, added] = gaps_.try_emplace({one, other}, gap, need);
        if (!added && gap - need < it->second.first - it->second.second)
            it->second = {gap, need};
    }
    template <class Describe> void report(QStringList& faults, Describe describe) const
    {
        for (const auto& [pair, gap] : gaps_)
            if (gap.first < gap.second)
                faults << describe(pair.first, pair.second, gap.first, gap.second);
    }

private:
    std::map<std::pair<QString, QString>, std::pair<qreal, qreal>> gaps_;
};

// The font's size as drawn, in pixels.
qreal emOf(const gui::Label& label)
{
    return label.font().drawingFont().pixelSize() * label.font().drawingScale();
}

} // namespace

QStringList overlapFaults(const gui::Form& form)
{
    std::vector<Word> words;
    std::vector<Outline> outlines;
    std::vector<std::pair<QString, QRectF>> buttons;
    for (gui::Control* control : form.controls()) {
        if (!control->isShown() || control->isMark())
            continue;
        QObject* object = control->asObject();
        if (auto* label = qobject_cast<const gui::Label*>(object)) {
            for (const Word& word : wordsOf(*label))
                words.push_back(word);
        } else if (auto* shape = qobject_cast<const gui::Shape*>(object)) {
            if (shape->bounds().width() > 0 && shape->bounds().height() > 0)
                outlines.push_back(outlineOf(*shape));
        } else if (isButton(control->kind())) {
            buttons.emplace_back(control->controlName(), QRectF(control->bounds()));
        }
    }

    QStringList faults;
    // What the pupil sees of the window: it may reach below the display.
    const int visibleHeight =
        std::min(form.clientArea()->height(), gui::Display::instance().height() - form.y());
    for (const auto& [button, box] : buttons)
        if (box.bottom() > visibleHeight)
            faults << button + " runs below the display";
    for (const Outline& outline : outlines)
        if (outline.extent().bottom() > visibleHeight + Clear)
            faults << outline.shape->controlName() + " runs below the display";
    Nearest textOnButton, textOnShape, shapeOnButton, lines;
    for (const Word& word : words) {
        const QString name = word.label->controlName();
        for (const QRectF& letter : word.letters) {
            for (const auto& [button, box] : buttons)
                textOnButton.note(name, button, boxGap(letter, box));
            for (const Outline& outline : outlines)
                textOnShape.note(name, outline.shape->controlName(), clearance(letter, outline));
        }
    }
    for (const Outline& outline : outlines)
        for (const auto& [button, box] : buttons)
            shapeOnButton.note(outline.shape->controlName(), button, clearance(box, outline));

    // Words of neighbouring lines that stand over each other.
    for (const Word& upper : words)
        for (const Word& lower : words) {
            if (upper.label == lower.label || upper.ink.top() > lower.ink.top() ||
                onOneLine(upper.label->bounds(), lower.label->bounds()))
                continue;
            const qreal need = std::max(Clear, std::max(emOf(*upper.label), emOf(*lower.label)) *
                                                   LineGap);
            if (boxGap(upper.ink, lower.ink) >= need)
                continue;
            qreal nearest = 1e9;
            for (const QRectF& above : upper.letters)
                for (const QRectF& below : lower.letters)
                    if (std::min(above.right(), below.right()) > std::max(above.left(), below.left()))
                        nearest = std::min(nearest, below.top() - above.bottom());
            if (nearest < need)
                lines.note(upper.label->controlName(), lower.label->controlName(), nearest, need);
        }

    textOnButton.report(faults, [](const QString& text, const QString& button, qreal gap, qreal) {
        return text + (gap < 0 ? " lies under " + button : " touches " + button + " (" + px(gap) +
                                                               " apart)");
    });
    lines.report(faults, [](const QString& upper, const QString& lower, qreal gap, qreal need) {
        return upper + " and the line below, " + lower +
               (gap < 0 ? ", overlap by " + px(-gap) : ", have " + px(gap) + " between them") +
               " (" + px(need) + " needed)";
    });
    textOnShape.report(faults, [](const QString& text, const QString& shape, qreal gap, qreal) {
        return text + " crosses or touches the outline of " + shape + " (" + px(gap) + " clear)";
    });
    shapeOnButton.report(faults, [](const QString& shape, const QString& button, qreal gap, qreal) {
        return shape + " touches or crosses " + button + " (" + px(gap) + " clear)";
    });
    for (std::size_t i = 0; i < outlines.size(); ++i)
        for (std::size_t j = i + 1; j < outlines.size(); ++j)
            if (const std::optional<qreal> gap = clearance(outlines[i], outlines[j]);
                gap && *gap < Clear)
                faults << outlines[i].shape->controlName() + " and " +
                              outlines[j].shape->controlName() + " touch or cross (" + px(*gap) +
                              " clear)";
    return faults;
}

} // namespace testing_support
