#pragma once

#include "gui/ButtonKind.h"
#include "gui/Color.h"
#include "gui/Control.h"
#include "gui/Font.h"
#include "gui/ShapeType.h"

#include <QByteArray>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

namespace gui {

enum class BorderStyle { None, Tool };

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

// A screen's layout: its window and its controls in paint order.
struct LayoutSpec {
    QString path; // the resource path without extension, as forms name it
    QString caption;
    QSize client;
    Color color = clWhite;
    BorderStyle border = BorderStyle::None;
    std::vector<ControlSpec> controls;
};

// Parses the YAML text of a layout (docs/layout-format.md). A fault is a LayoutError whose
// message names the file, the control and the key.
LayoutSpec parseLayout(const QString& path, const QByteArray& yaml);

// The layout at a resource path (":/" + path + ".yaml"), read and parsed on first use and kept:
// screens are made anew each time they open.
const LayoutSpec& layoutAt(const QString& path);

} // namespace gui
