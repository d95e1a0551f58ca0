#include "gui/Layout.h"

#include "gui/ControlTypes.h"
#include "gui/LayoutError.h"
#include "gui/Picture.h"

#include <QFile>
#include <QHash>
#include <QStringDecoder>
#include <algorithm>
#include <map>
#include <yaml-cpp/yaml.h>

namespace gui {
namespace {

// Bounds on the numbers a layout may hold: far beyond any real screen, well within the
// arithmetic that scales them.
constexpr int LargestCoordinate = 10000;
constexpr int LargestFontSize = 500;
constexpr int LongestInterval = 24 * 60 * 60 * 1000;

// Where the reader is: the file, and the control being read, if any. Faults name both and the key.
struct Reader {
    QString path;
    QString control;

    [[noreturn]] void fail(const QString& key, const QString& message) const
    {
        QString text = path + ".yaml: ";
        if (!control.isEmpty())
            text += control + ": ";
        if (!key.isEmpty())
            text += "'" + key + "' ";
        throw LayoutError((text + message).toStdString());
    }

    QString text(const YAML::Node& node, const QString& key) const
    {
        if (!node.IsScalar())
            fail(key, "must be a text");
        return QString::fromStdString(node.Scalar());
    }

    int integer(const YAML::Node& node, const QString& key, int least, int most) const
    {
        long long value = 0;
        try {
            value = node.as<long long>();
        } catch (const YAML::Exception&) {
            fail(key, "must be a whole number");
        }
        if (value < least || value > most)
            fail(key, QString("must lie between %1 and %2").arg(least).arg(most));
        return static_cast<int>(value);
    }

    bool boolean(const YAML::Node& node, const QString& key) const
    {
        try {
            return node.as<bool>();
        } catch (const YAML::Exception&) {
            fail(key, "must be true or false");
        }
    }

    YAML::Node list(const YAML::Node& node, const QString& key, std::size_t count) const
    {
        if (!node.IsSequence() || (count && node.size() != count))
            fail(key, count ? QString("must be a list of %1 numbers").arg(count)
                            : QString("must be a list"));
        return node;
    }

    Color color(const YAML::Node& node, const QString& key) const
    {
        const QString name = text(node, key);
        const std::optional<Color> parsed = parseColor(name);
        if (!parsed)
            fail(key, QString("names no colour: '%1'").arg(name));
        return *parsed;
    }

    // The keys of a map, each a text and each one of the allowed.
    QStringList keys(const YAML::Node& map, const QStringList& allowed, const QString& within) const
    {
        QStringList found;
        for (const auto& entry : map) {
            if (!entry.first.IsScalar())
                fail(within, "has a key that is not a text");
            const QString key = text(entry.first, within);
            if (!allowed.contains(key))
                fail("",
                     QString("unknown key '%1'").arg(within.isEmpty() ? key : within + "." + key));
            found.append(key);
        }
        return found;
    }

    template <class T>
    T word(const YAML::Node& node, const QString& key, const std::map<QString, T>& words) const
    {
        const QString name = text(node, key);
        auto it = words.find(name);
        if (it == words.end())
            fail(key, QString("does not know '%1'").arg(name));
        return it->second;
    }
};

void readFontKey(const Reader& reader, const QString& key, const YAML::Node& node, Font& font)
{
    if (key == "font" || key == "name") {
        font.name = reader.text(node, key);
    } else if (key == "size") {
        font.size = reader.integer(node, key, 1, LargestFontSize);
    } else if (key == "color") {
        font.color = reader.color(node, key);
    } else if (key == "style") {
        for (const YAML::Node& item : reader.list(node, key, 0)) {
            const QString style = reader.text(item, key);
            if (style == "bold")
                font.bold = true;
            else if (style == "italic")
                font.italic = true;
            else if (style == "underline")
                font.underline = true;
            else
                reader.fail(key, QString("does not know '%1'").arg(style));
        }
    }
}

using KeyReader = void (*)(const Reader&, const QString&, const YAML::Node&, ControlSpec&);

// How each key of a control's entry is read.
const std::map<QString, KeyReader>& keyReaders()
{
    static const std::map<QString, KeyReader> readers = {
        {"at",
         [](const Reader& r, const QString& key, const YAML::Node& node, ControlSpec& described) {
             const YAML::Node at = r.list(node, key, 2);
             described.rect =
                 QRect(r.integer(at[0], key, -LargestCoordinate, LargestCoordinate),
                       r.integer(at[1], key, -LargestCoordinate, LargestCoordinate), 0, 0);
         }},
        {"rect",
         [](const Reader& r, const QString& key, const YAML::Node& node, ControlSpec& described) {
             const YAML::Node v = r.list(node, key, 4);
             described.rect = QRect(r.integer(v[0], key, -LargestCoordinate, LargestCoordinate),
                                    r.integer(v[1], key, -LargestCoordinate, LargestCoordinate),
                                    r.integer(v[2], key, 0, LargestCoordinate),
                                    r.integer(v[3], key, 0, LargestCoordinate));
         }},
        {"text", [](const Reader& r, const QString& key, const YAML::Node& node,
                    ControlSpec& described) { described.text = r.text(node, key); }},
        {"font", [](const Reader& r, const QString& key, const YAML::Node& node,
                    ControlSpec& described) { readFontKey(r, key, node, described.font); }},
        {"size", [](const Reader& r, const QString& key, const YAML::Node& node,
                    ControlSpec& described) { readFontKey(r, key, node, described.font); }},
        {"style", [](const Reader& r, const QString& key, const YAML::Node& node,
                     ControlSpec& described) { readFontKey(r, key, node, described.font); }},
        {"color", [](const Reader& r, const QString& key, const YAML::Node& node,
                     ControlSpec& described) { readFontKey(r, key, node, described.font); }},
        {"cursor",
         [](const Reader& r, const QString& key, const YAML::Node& node, ControlSpec& described) {
             described.cursor = r.word<Qt::CursorShape>(
                 node, key, {{"hand", Qt::PointingHandCursor}, {"arrow", Qt::ArrowCursor}});
         }},
        {"visible", [](const Reader& r, const QString& key, const YAML::Node& node,
                       ControlSpec& described) { described.visible = r.boolean(node, key); }},
        {"mark", [](const Reader& r, const QString& key, const YAML::Node& node,
                    ControlSpec& described) { described.mark = r.boolean(node, key); }},
        {"on",
         [](const Reader& r, const QString& key, const YAML::Node& node, ControlSpec& described) {
             // One target [label, "wo[rd]"], or a list of them.
             auto readTarget = [&](const YAML::Node& target) {
                 if (!target.IsSequence() || target.size() != 2)
                     r.fail(key, "must be [label, \"wo[rd]\"] or a list of such");
                 described.marks.push_back(
                     {r.text(target[0], key), r.text(target[1], key), 0, 0});
             };
             const YAML::Node list = r.list(node, key, 0);
             if (list.size() > 0 && list[0].IsSequence())
                 for (const YAML::Node& item : list)
                     readTarget(item);
             else
                 readTarget(list);
         }},
        {"unscaled",
         [](const Reader& r, const QString& key, const YAML::Node& node, ControlSpec& described) {
             for (const YAML::Node& item : r.list(node, key, 0)) {
                 if (r.word<bool>(item, key, {{"width", true}, {"height", false}}))
                     described.unscaled.width = true;
                 else
                     described.unscaled.height = true;
             }
         }},
        {"tab", [](const Reader& r, const QString& key, const YAML::Node& node,
                   ControlSpec& described) { described.tab = r.integer(node, key, 0, 999); }},
        {"kind",
         [](const Reader& r, const QString& key, const YAML::Node& node, ControlSpec& described) {
             described.buttonKind = r.word<ButtonKind>(node, key,
                                                       {{"ok", ButtonKind::OK},
                                                        {"cancel", ButtonKind::Cancel},
                                                        {"ignore", ButtonKind::Ignore},
                                                        {"close", ButtonKind::Close}});
         }},
        {"checked", [](const Reader& r, const QString& key, const YAML::Node& node,
                       ControlSpec& described) { described.checked = r.boolean(node, key); }},
        {"shape",
         [](const Reader& r, const QString& key, const YAML::Node& node, ControlSpec& described) {
             described.shape = r.word<ShapeType>(node, key,
                                                 {{"rectangle", ShapeType::Rectangle},
                                                  {"square", ShapeType::Square},
                                                  {"roundrect", ShapeType::RoundRect},
                                                  {"roundsquare", ShapeType::RoundSquare},
                                                  {"ellipse", ShapeType::Ellipse},
                                                  {"circle", ShapeType::Circle}});
         }},
        {"pen", [](const Reader& r, const QString& key, const YAML::Node& node,
                   ControlSpec& described) { described.pen = r.color(node, key); }},
        {"brush",
         [](const Reader& r, const QString& key, const YAML::Node& node, ControlSpec& described) {
             if (r.text(node, key) == "clear")
                 described.brush.reset();
             else
                 described.brush = r.color(node, key);
         }},
        {"picture",
         [](const Reader& r, const QString& key, const YAML::Node& node, ControlSpec& described) {
             described.picture = r.text(node, key);
             try {
                 described.image = loadPicture(described.picture);
             } catch (const PictureError& error) {
                 r.fail(key, QString::fromStdString(error.what()));
             }
         }},
        {"interval",
         [](const Reader& r, const QString& key, const YAML::Node& node, ControlSpec& described) {
             described.interval = r.integer(node, key, 1, LongestInterval);
         }},
        {"enabled", [](const Reader& r, const QString& key, const YAML::Node& node,
                       ControlSpec& described) { described.enabled = r.boolean(node, key); }},
        {"panels",
         [](const Reader& r, const QString& key, const YAML::Node& node, ControlSpec& described) {
             for (const YAML::Node& item : r.list(node, key, 0))
                 described.panels.push_back(r.integer(item, key, 0, LargestCoordinate));
         }},
    };
    return readers;
}

ControlSpec readControl(Reader& reader, const YAML::Node& entry, const Font& defaultFont)
{
    if (!entry.IsMap() || entry.size() != 1)
        reader.fail("controls", "each control is a map of one name to its properties");
    const YAML::Node nameNode = entry.begin()->first;
    const YAML::Node props = entry.begin()->second;
    if (!nameNode.IsScalar())
        reader.fail("controls", "a control's name must be a text");
    ControlSpec described;
    described.name = reader.text(nameNode, "controls");
    reader.control = described.name;
    const ControlType* type = controlTypeNamed(described.name);
    if (!type)
        reader.fail("", "the name gives no control type");
    described.kind = type->kind;
    described.font = defaultFont;
    if (!props.IsMap() && !props.IsNull())
        reader.fail("", "properties must be a map");

    QStringList allowed = type->keys;
    allowed << "visible";
    if (!type->placeKey.isEmpty())
        allowed << type->placeKey;
    const QStringList keys = props.IsMap() ? reader.keys(props, allowed, "") : QStringList();
    if (!type->placeKey.isEmpty() && !keys.contains(type->placeKey))
        reader.fail(type->placeKey, "is missing");
    for (const QString& key : keys)
        keyReaders().at(key)(reader, key, props[key.toStdString()], described);
    return described;
}

// Finds each mark's letters in the text of the label it names: "чит[аю]щий" marks "аю" where
// "читающий" first stands in the label.
void resolveMarks(Reader& reader, LayoutSpec& layout)
{
    for (ControlSpec& mark : layout.controls) {
        reader.control = mark.name;
        for (MarkTarget& target : mark.marks) {
            auto label = std::find_if(layout.controls.begin(), layout.controls.end(),
                                      [&](const ControlSpec& c) {
                                          return c.name == target.label &&
                                                 c.kind == ControlKind::Label;
                                      });
            if (label == layout.controls.end())
                reader.fail("on", QString("names no label '%1'").arg(target.label));
            const qsizetype open = target.letters.indexOf('[');
            const qsizetype close = target.letters.indexOf(']');
            if (open < 0 || close <= open + 1 || target.letters.count('[') != 1 ||
                target.letters.count(']') != 1)
                reader.fail("on", QString("'%1' must bracket the marked letters once, as "
                                          "\"чит[аю]щий\"")
                                      .arg(target.letters));
            QString plain = target.letters;
            plain.remove(close, 1).remove(open, 1);
            const qsizetype at = label->text.value_or(QString()).indexOf(plain);
            if (at < 0)
                reader.fail("on", QString("'%1' does not stand in %2").arg(plain, target.label));
            target.from = at + open;
            target.length = close - open - 1;
        }
    }
    reader.control.clear();
}

} // namespace

LayoutSpec parseLayout(const QString& path, const QByteArray& yaml)
{
    Reader reader{path, {}};
    // The YAML reader would silently replace bytes that are not UTF-8.
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(yaml);
    if (utf8.hasError()) {
        const qsizetype bad = decoded.indexOf(QChar::ReplacementCharacter);
        reader.fail("",
                    QString("line %1 is not valid UTF-8").arg(decoded.left(bad).count('\n') + 1));
    }
    YAML::Node root;
    try {
        root = YAML::Load(yaml.toStdString());
    } catch (const YAML::Exception& error) {
        reader.fail("", QString("malformed: %1").arg(QString::fromStdString(error.what())));
    }
    if (!root.IsMap())
        reader.fail("", "a layout is a map");
    reader.keys(root, {"caption", "client", "color", "border", "font", "controls"}, "");

    LayoutSpec layout;
    layout.path = path;
    if (root["caption"])
        layout.caption = reader.text(root["caption"], "caption");
    if (!root["client"])
        reader.fail("client", "is missing");
    const YAML::Node client = reader.list(root["client"], "client", 2);
    layout.client = QSize(reader.integer(client[0], "client", 0, LargestCoordinate),
                          reader.integer(client[1], "client", 0, LargestCoordinate));
    if (root["color"])
        layout.color = reader.color(root["color"], "color");
    if (root["border"])
        layout.border = reader.word<BorderStyle>(
            root["border"], "border", {{"none", BorderStyle::None}, {"tool", BorderStyle::Tool}});

    Font defaultFont;
    if (const YAML::Node fontNode = root["font"]) {
        if (!fontNode.IsMap())
            reader.fail("font", "must be a map");
        for (const QString& key : reader.keys(fontNode, {"name", "size", "style", "color"}, "font"))
            readFontKey(reader, key, fontNode[key.toStdString()], defaultFont);
    }

    const YAML::Node controls = root["controls"];
    if (controls && !controls.IsSequence())
        reader.fail("controls", "must be a list");
    QStringList names;
    for (const YAML::Node& entry : controls) {
        ControlSpec described = readControl(reader, entry, defaultFont);
        if (names.contains(described.name))
            reader.fail("", "duplicate name");
        names.append(described.name);
        layout.controls.push_back(std::move(described));
        reader.control.clear();
    }
    resolveMarks(reader, layout);
    return layout;
}

const LayoutSpec& layoutAt(const QString& path)
{
    static QHash<QString, LayoutSpec> parsed;
    if (auto it = parsed.constFind(path); it != parsed.constEnd())
        return *it;
    QFile file(":/" + path + ".yaml");
    if (!file.open(QIODevice::ReadOnly))
        Reader{path, {}}.fail("", "layout not found");
    return *parsed.insert(path, parseLayout(path, file.readAll()));
}

} // namespace gui
