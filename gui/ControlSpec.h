#pragma once

#include "gui/ButtonKind.h"
#include "gui/Color.h"
#include "gui/Control.h"
#include "gui/Font.h"
#include "gui/ShapeType.h"

#include <QImage>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

namespace gui {

// One control of a layout, as the file describes it. Which fields mean something depends on the
// kind; the others keep their defaults.
struct ControlSpec {
    QString name;
    ControlKind kind = ControlKind::Label;
    QRect rect;                  // a label's size is zero: it sizes itself to its text
    std::optional<QString> text; // none: a button shows its kind's stock caption
    Font font;                   // over the layout's default font
    Qt::CursorShape cursor = Qt::ArrowCursor;
    bool visible = true;
    bool mark = false;
    std::vector<MarkTarget> marks; // checked against the layout's labels once all are read
    Unscaled unscaled;
    std::optional<int> tab; // none: after every control with a tab position
    ButtonKind buttonKind = ButtonKind::Ignore;
    bool checked = false;
    ShapeType shape = ShapeType::Rectangle;
    Color pen = clBlack;
    std::optional<Color> brush = clWhite; // none: the inside is left unpainted
    QString picture;                      // the file under assets/
    QImage image;                         // the picture, decoded
    int interval = 1000;
    bool enabled = true;
    std::vector<int> panels;
};

} // namespace gui
