#include "shared/Fitting.h"

#include "gui/Display.h"
#include "gui/Form.h"
#include "gui/Image.h"

#include <cfenv>
#include <cmath>

namespace shared {

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
    for (gui::Control* control : form.controls()) {
        if (control->kind() == gui::ControlKind::Label) {
            // A label sizes itself to its text: its position and font size are scaled.
            control->fitFont(scale(control->fontSize()), factor);
            const QPoint at = control->position();
            control->setBounds(QRect(scale(at.x()), scale(at.y()), 0, 0));
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
}

} // namespace shared
