#include "gui/LayoutLoader.h"

#include "gui/Form.h"
#include "gui/Picture.h"

#include <QFile>
#include <QHash>
#include <set>
#include <yaml-cpp/yaml.h>

namespace gui {
namespace {

struct Context {
    Form& form;
    QString control;

    [[noreturn]] void fail(const QString& message) const
    {
        throw LayoutError(
            (form.layoutPath() + ".yaml: " + (control.isEmpty() ? "" : control + ": ") + message)
                .toStdString());
    }
};

QString text(const Context& context, const YAML::Node& node, const char* key)
{
    if (!node.IsScalar())
        context.fail(QString("'%1' must be a text").arg(key));
    return QString::fromStdString(node.as<std::string>());
}

int integer(const Context& context, const YAML::Node& node, const char* key)
{
    try {
        return node.as<int>();
    } catch (const YAML::Exception&) {
        context.fail(QString("'%1' must be a whole number").arg(key));
    }
}

bool boolean(const Context& context, const YAML::Node& node, const char* key)
{
    try {
        return node.as<bool>();
    } catch (const YAML::Exception&) {
        context.fail(QString("'%1' must be true or false").arg(key));
    }
}

std::vector<int> integers(const Context& context, const YAML::Node& node, const char* key,
                          std::size_t count)
{
    if (!node.IsSequence() || (count && node.size() != count))
        context.fail(QString("'%1' must be a list of %2 numbers").arg(key).arg(count));
    std::vector<int> values;
    for (const YAML::Node& item : node)
        values.push_back(integer(context, item, key));
    return values;
}

Color color(const Context& context, const YAML::Node& node, const char* key)
{
    const QString name = text(context, node, key);
    const std::optional<Color> parsed = parseColor(name);
    if (!parsed)
        context.fail(QString("unknown colour '%1'").arg(name));
    return *parsed;
}

// Reads the font keys of a control over the layout's default font.
Font font(const Context& context, const YAML::Node& props, Font base)
{
    if (props["font"])
        base.name = text(context, props["font"], "font");
    if (props["size"])
        base.size = integer(context, props["size"], "size");
    if (props["color"])
        base.color = color(context, props["color"], "color");
    if (props["style"]) {
        const YAML::Node style = props["style"];
        if (!style.IsSequence())
            context.fail("'style' must be a list");
        for (const YAML::Node& item : style) {
            const QString word = text(context, item, "style");
            if (word == "bold")
                base.bold = true;
            else if (word == "italic")
                base.italic = true;
            else if (word == "underline")
                base.underline = true;
            else
                context.fail(QString("unknown style '%1'").arg(word));
        }
    }
    return base;
}

QRect rectangle(const Context& context, const YAML::Node& props)
{
    if (!props["rect"])
        context.fail("'rect' is missing");
    const std::vector<int> v = integers(context, props["rect"], "rect", 4);
    return QRect(v[0], v[1], v[2], v[3]);
}

const std::set<std::string> fontKeys = {"font", "size", "style", "color"};

void checkKeys(const Context& context, const YAML::Node& props, std::set<std::string> allowed,
               bool withFont)
{
    allowed.insert("visible");
    if (withFont)
        allowed.insert(fontKeys.begin(), fontKeys.end());
    for (const auto& entry : props) {
        const std::string key = entry.first.as<std::string>();
        if (!allowed.count(key))
            context.fail(QString("unknown key '%1'").arg(QString::fromStdString(key)));
    }
}

ButtonKind buttonKind(const Context& context, const YAML::Node& node)
{
    const QString name = text(context, node, "kind");
    if (name == "ok")
        return ButtonKind::OK;
    if (name == "cancel")
        return ButtonKind::Cancel;
    if (name == "ignore")
        return ButtonKind::Ignore;
    if (name == "close")
        return ButtonKind::Close;
    context.fail(QString("unknown button kind '%1'").arg(name));
}

ShapeType shapeType(const Context& context, const YAML::Node& node)
{
    static const std::map<QString, ShapeType> types = {
        {"rectangle", ShapeType::Rectangle}, {"square", ShapeType::Square},
        {"roundrect", ShapeType::RoundRect}, {"roundsquare", ShapeType::RoundSquare},
        {"ellipse", ShapeType::Ellipse},     {"circle", ShapeType::Circle},
    };
    const QString name = text(context, node, "shape");
    auto it = types.find(name);
    if (it == types.end())
        context.fail(QString("unknown shape '%1'").arg(name));
    return it->second;
}

} // namespace

class LayoutBuilder {
public:
    LayoutBuilder(Form& form, const YAML::Node root)
        : form_(form)
        , root_(root)
    {
    }

    void build();

private:
    Control* makeControl(const Context& context, const QString& type, const YAML::Node& props,
                         int& tabIndex);

    Form& form_;
    const YAML::Node root_;
    Font defaultFont_;
};

void LayoutLoader::load(Form& form)
{
    // Screens are made anew each time they open; read each layout file once.
    static QHash<QString, YAML::Node> parsed;
    const Context context{form, {}};
    auto it = parsed.constFind(form.layoutPath());
    if (it == parsed.constEnd()) {
        QFile file(":/" + form.layoutPath() + ".yaml");
        if (!file.open(QIODevice::ReadOnly))
            context.fail("layout not found");
        YAML::Node root;
        try {
            root = YAML::Load(file.readAll().toStdString());
        } catch (const YAML::Exception& error) {
            context.fail(QString("malformed: %1").arg(QString::fromStdString(error.what())));
        }
        if (!root.IsMap())
            context.fail("a layout is a map");
        it = parsed.insert(form.layoutPath(), root);
    }
    LayoutBuilder(form, *it).build();
}

void LayoutBuilder::build()
{
    Context context{form_, {}};
    checkKeys(context, root_, {"form", "caption", "client", "color", "border", "font", "controls"},
              false);
    if (!root_["form"])
        context.fail("'form' is missing");
    form_.className_ = text(context, root_["form"], "form");
    if (root_["caption"])
        form_.caption_ = text(context, root_["caption"], "caption");
    if (!root_["client"])
        context.fail("'client' is missing");
    const std::vector<int> client = integers(context, root_["client"], "client", 2);
    form_.designClient_ = QSize(client[0], client[1]);
    if (root_["color"])
        form_.color_ = color(context, root_["color"], "color");
    if (root_["border"]) {
        const QString border = text(context, root_["border"], "border");
        if (border == "tool")
            form_.border_ = BorderStyle::Tool;
        else if (border != "none")
            context.fail(QString("unknown border '%1'").arg(border));
    }
    if (const YAML::Node fontNode = root_["font"]) {
        if (!fontNode.IsMap())
            context.fail("'font' must be a map");
        static const std::set<std::string> defaultFontKeys = {"name", "size", "style", "color"};
        for (const auto& entry : fontNode)
            if (!defaultFontKeys.count(entry.first.as<std::string>()))
                context.fail("unknown key in 'font'");
        defaultFont_ = font(context, fontNode, defaultFont_);
        if (fontNode["name"])
            defaultFont_.name = text(context, fontNode["name"], "name");
    }

    const YAML::Node controls = root_["controls"];
    if (controls && !controls.IsSequence())
        context.fail("'controls' must be a list");
    std::set<QString> names;
    int tabIndex = 0;
    for (const YAML::Node& entry : controls) {
        if (!entry.IsMap() || entry.size() != 1)
            context.fail("each control is a map of one name to its properties");
        const QString name = QString::fromStdString(entry.begin()->first.as<std::string>());
        const YAML::Node props = entry.begin()->second;
        context.control = name;
        if (!names.insert(name).second)
            context.fail("duplicate name");
        if (!props.IsMap() && !props.IsNull())
            context.fail("properties must be a map");
        static const QStringList types = {"Label",       "Shape",    "Image", "Chart",     "BitBtn",
                                          "RadioButton", "CheckBox", "Edit",  "StatusBar", "Timer"};
        QString type;
        for (const QString& candidate : types) {
            if (name.startsWith(candidate) && (type.isEmpty() || candidate.size() > type.size()))
                type = candidate;
        }
        if (type.isEmpty())
            context.fail("the name gives no control type");
        int tab = 1000 + tabIndex++;
        Control* control = makeControl(context, type, props, tab);
        if (props["visible"])
            control->setShown(boolean(context, props["visible"], "visible"));
        form_.addControl(control, tab);
    }
}

Control* LayoutBuilder::makeControl(const Context& context, const QString& type,
                                    const YAML::Node& props, int& tabIndex)
{
    QWidget* client = form_.clientArea();
    const QString& name = context.control;
    auto cursorOf = [&]() {
        if (!props["cursor"])
            return Qt::ArrowCursor;
        const QString cursor = text(context, props["cursor"], "cursor");
        if (cursor == "hand")
            return Qt::PointingHandCursor;
        if (cursor != "arrow")
            context.fail(QString("unknown cursor '%1'").arg(cursor));
        return Qt::ArrowCursor;
    };
    auto tabOf = [&]() {
        if (props["tab"])
            tabIndex = integer(context, props["tab"], "tab");
    };

    if (type == "Label") {
        checkKeys(context, props, {"at", "text", "cursor"}, true);
        auto* label = new Label(client, name);
        label->setCursor(cursorOf());
        label->setFont(font(context, props, defaultFont_));
        if (props["text"])
            label->setText(text(context, props["text"], "text"));
        if (!props["at"])
            context.fail("'at' is missing");
        const std::vector<int> at = integers(context, props["at"], "at", 2);
        label->setBounds(QRect(at[0], at[1], 0, 0));
        return label;
    }
    if (type == "Shape") {
        checkKeys(context, props, {"rect", "shape", "pen", "brush", "cursor"}, false);
        auto* shape = new Shape(client, name);
        shape->setBounds(rectangle(context, props));
        shape->setCursor(cursorOf());
        if (props["shape"])
            shape->setShape(shapeType(context, props["shape"]));
        if (props["pen"])
            shape->setPenColor(color(context, props["pen"], "pen"));
        if (props["brush"]) {
            if (text(context, props["brush"], "brush") == "clear")
                shape->setBrushClear(true);
            else
                shape->setBrushColor(color(context, props["brush"], "brush"));
        }
        return shape;
    }
    if (type == "Image") {
        checkKeys(context, props, {"rect", "picture", "cursor"}, false);
        auto* image = new Image(client, name);
        image->setBounds(rectangle(context, props));
        image->setCursor(cursorOf());
        if (props["picture"]) {
            const QString file = text(context, props["picture"], "picture");
            try {
                image->setPicture(loadPicture(file));
            } catch (const PictureError& error) {
                context.fail(QString::fromStdString(error.what()));
            }
        }
        return image;
    }
    if (type == "Chart") {
        checkKeys(context, props, {"rect"}, false);
        auto* chart = new Chart(client, name);
        chart->setBounds(rectangle(context, props));
        return chart;
    }
    if (type == "BitBtn") {
        checkKeys(context, props, {"rect", "kind", "text", "tab"}, true);
        auto* button = new BitBtn(client, form_, name);
        button->setBounds(rectangle(context, props));
        button->setButtonKind(props["kind"] ? buttonKind(context, props["kind"])
                                            : ButtonKind::Ignore);
        button->setText(props["text"] ? text(context, props["text"], "text")
                                      : BitBtn::stockCaption(button->buttonKind()));
        button->setTextFont(font(context, props, defaultFont_));
        tabOf();
        return button;
    }
    if (type == "RadioButton" || type == "CheckBox") {
        checkKeys(context, props, {"rect", "text", "tab", "checked"}, true);
        auto setUp = [&](auto* control) {
            control->setBounds(rectangle(context, props));
            if (props["text"])
                control->setText(text(context, props["text"], "text"));
            control->setTextFont(font(context, props, defaultFont_));
            if (props["checked"])
                control->setChecked(boolean(context, props["checked"], "checked"));
            control->setFocusPolicy(Qt::StrongFocus);
            tabOf();
            return control;
        };
        if (type == "RadioButton")
            return setUp(new RadioButton(client, name));
        return setUp(new CheckBox(client, name));
    }
    if (type == "Edit") {
        checkKeys(context, props, {"rect", "text", "tab"}, true);
        auto* edit = new Edit(client, name);
        edit->setBounds(rectangle(context, props));
        edit->setTextFont(font(context, props, defaultFont_));
        edit->setMaxLength(std::numeric_limits<int>::max());
        if (props["text"])
            edit->setText(text(context, props["text"], "text"));
        tabOf();
        return edit;
    }
    if (type == "StatusBar") {
        checkKeys(context, props, {"panels"}, false);
        auto* bar = new StatusBar(client, name);
        if (props["panels"])
            bar->setPanelWidths(integers(context, props["panels"], "panels", 0));
        return bar;
    }
    checkKeys(context, props, {"interval", "enabled"}, false);
    auto* timer = new Timer(&form_, name);
    if (props["interval"])
        timer->setInterval(integer(context, props["interval"], "interval"));
    if (props["enabled"])
        timer->setEnabled(boolean(context, props["enabled"], "enabled"));
    return timer;
}

} // namespace gui
