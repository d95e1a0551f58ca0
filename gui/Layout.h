#pragma once

#include "gui/Color.h"
#include "gui/ControlSpec.h"

#include <QByteArray>
#include <QSize>
#include <QString>
#include <vector>

namespace gui {

enum class BorderStyle { None, Tool };

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
