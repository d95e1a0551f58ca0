#include "shared/Fitting.h"

#include "gui/Display.h"
#include "gui/Form.h"
#include "gui/Image.h"
#include "gui/Label.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cfenv>
#include <cmath>
#include <map>
#include <vector>

namespace shared {
namespace {

// A label as the layout places it, measured in its design font.
struct DesignLabel {
    gui::Label* label;
    QRectF box;   // the line box at the design position
    qreal blank;  // a blank's width
};

// The label's text is measured once, in its drawing font, as painting needs it anyway.
DesignLabel designOf(gui::Label& label, const QPoint& at)
{
    const qreal scale = label.font().drawingScale();
    return {&label, QRectF(at, label.textSize() / scale),
            QFontMetricsF(label.font().drawingFont()).horizontalAdvance(' ')};
}

// Up to this part of a blank, two labels on one line are one word: syllables, a stem and its
// ending, a word and its bracket.
constexpr qreal Joined = 0.25;

// Rounded separately, the scaled positions of the parts of a word would leave gaps of up to a
// scaled pixel between them, and more where the design's whole pixels fall short of a part's end:
// each part is set at the end of the part before it. Returns how far each part moved.
std::map<QString, int> joinWords(std::vector<DesignLabel>& labels)
{
    std::map<QString, int> moved;
    std::stable_sort(labels.begin(), labels.end(), [](const DesignLabel& a, const DesignLabel& b) {
        return a.box.left() < b.box.left();
    });
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const DesignLabel& part = labels[i];
        if (part.label->text().isEmpty() || part.label->text().front().isSpace())
            continue;
        const DesignLabel* before = nullptr;
        for (std::size_t j = 0; j < i; ++j) {
            const DesignLabel& other = labels[j];
            const qreal shared = std::min(part.box.bottom(), other.box.bottom()) -
                                 std::max(part.box.top(), other.box.top());
            const qreal gap = part.box.left() - other.box.right();
            if (shared > std::min(part.box.height(), other.box.height()) / 2 && gap >= -1 &&
                gap <= other.blank * Joined && !other.label->text().isEmpty() &&
                !other.label->text().back().isSpace() &&
                (!before || other.box.right() > before->box.right()))
                before = &other;
        }
        if (!before)
            continue;
        const QRect fitted = before->label->bounds();
        const qreal end = fitted.left() + before->label->textSize().width();
        // Up to a pixel is where the design's whole pixels put the part: it is meant to join.
        qreal gap = part.box.left() - before->box.right();
        if (gap >= 0 && gap <= 1)
            gap = 0;
        const QRect was = part.label->bounds();
        const int left = int(std::lround(end + gap));
        part.label->setBounds(QRect(left, was.top(), 0, 0));
        if (left != was.left())
            moved[part.label->controlName()] = left - was.left();
    }
    return moved;
}

// A mark goes with the letters it names.
void followLetters(gui::Form& form, const std::map<QString, int>& moved)
{
    for (gui::Control* control : form.controls()) {
        if (!control->isMark() || control->markTargets().empty())
            continue;
        const auto shift = moved.find(control->markTargets().front().label);
        if (shift != moved.end())
            control->setBounds(control->bounds().translated(shift->second, 0));
    }
}

} // namespace

double scaleFactorFor(int screenWidth)
{
    return static_cast<double>(static_cast<long double>(screenWidth) /
                               static_cast<long double>(DesignWidth));
}

int scaleValue(int value, double scaleFactor)
{
    // nearbyint rounds in the current mode, which is to nearest with ties to even unless changed.
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const long double product =
        static_cast<long double>(value) * static_cast<long double>(scaleFactor);
    const long double rounded = std::nearbyintl(product);
    std::fesetround(previous);
    return static_cast<int>(rounded);
}

QRect placementBounds(Placement placement, int screenWidth, int screenHeight)
{
    const int half = screenHeight / 2;
    switch (placement) {
    case Placement::TopHalf:
        return QRect(0, 0, screenWidth, half);
    case Placement::AdverbsPractice:
        return QRect(0, half, screenWidth, screenHeight);
    case Placement::ParticiplePractice:
        return QRect(0, half, screenWidth, half);
    case Placement::FullScreen:
        break;
    }
    return QRect(0, 0, screenWidth, screenHeight);
}

void FitToScreen(gui::Form& form, Placement placement)
{
    gui::Display& display = gui::Display::instance();
    const int screenWidth = display.width();
    const int screenHeight = display.height();
    const double factor = scaleFactorFor(screenWidth);
    form.setWindowBounds(placementBounds(placement, screenWidth, screenHeight));

    auto scale = [factor](int value) { return scaleValue(value, factor); };
    std::vector<DesignLabel> labels;
    for (gui::Control* control : form.controls()) {
        if (control->kind() == gui::ControlKind::Label) {
            // A label sizes itself to its text: its position and font size are scaled.
            const QPoint at = control->position();
            control->fitFont(scale(control->fontSize()), factor);
            control->setBounds(QRect(scale(at.x()), scale(at.y()), 0, 0));
            // At the design's size the parts of a word already stand as designed.
            auto* label = qobject_cast<gui::Label*>(control->asObject());
            if (label && !label->isMark() && factor != 1)
                labels.push_back(designOf(*label, at));
            continue;
        }
        const QRect design = control->bounds();
        const gui::Unscaled kept = control->unscaled();
        const QRect fitted(scale(design.left()), scale(design.top()),
                           kept.width ? design.width() : scale(design.width()),
                           kept.height ? design.height() : scale(design.height()));
        switch (control->kind()) {
        case gui::ControlKind::BitBtn:
        case gui::ControlKind::RadioButton:
        case gui::ControlKind::CheckBox:
            control->fitFont(scale(control->fontSize()), factor);
            control->setBounds(fitted);
            break;
        case gui::ControlKind::Image:
            if (auto* image = qobject_cast<gui::Image*>(control->asObject()))
                image->setScale(factor);
            control->setBounds(fitted);
            break;
        case gui::ControlKind::Shape:
        case gui::ControlKind::Chart:
        case gui::ControlKind::Edit:
            control->setBounds(fitted);
            break;
        case gui::ControlKind::Label:
        case gui::ControlKind::StatusBar:
        case gui::ControlKind::Timer:
            break;
        }
    }
    followLetters(form, joinWords(labels));
}

} // namespace shared
