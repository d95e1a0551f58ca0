// Seeded mutations of the programs' own layouts and pictures, fed to the loaders: each input must
// load within the limits or fail with a named error, never crash, hang or take unbounded memory.
//
// TEXTBOOK_SEED repeats a run; TEXTBOOK_FUZZ_INPUTS sets the number of inputs of each kind.

#include "gui/Layout.h"
#include "gui/LayoutError.h"
#include "gui/Picture.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <random>

namespace {

constexpr int DefaultInputs = 2500;

struct Input {
    QString name;
    QByteArray data;
};

std::vector<Input> builtIn(const QStringList& extensions)
{
    std::vector<Input> inputs;
    QDirIterator it(":/", QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (!extensions.contains(QFileInfo(path).suffix().toLower()))
            continue;
        QFile file(path);
        if (file.open(QIODevice::ReadOnly))
            inputs.push_back({path.mid(2), file.readAll()});
    }
    return inputs;
}

// The bytes a YAML layout gives meaning to, and the numbers and words that sit at the edges of
// what a reader takes.
const char* const specialBytes[] = {"\x00", "\xFF", "\x80", "\xC0", "\n", ":",  "[",  "]",   "{",
                                    "}",    "-",    "\"",   "'",    "&",  "*",  "!",  "%",   "#",
                                    "|",    ">",    ",",    "?",    " ",  "\t", "\\", "\xD0"};
const char* const edgeTokens[] = {"99999999999999999999",
                                  "-9223372036854775809",
                                  "2147483648",
                                  "-2147483649",
                                  "10001",
                                  "-10001",
                                  "1e309",
                                  "-0",
                                  ".nan",
                                  ".inf",
                                  "0x7fffffff",
                                  "65536",
                                  "0",
                                  "-1",
                                  "501",
                                  "[]",
                                  "{}",
                                  "~",
                                  "!!binary AA==",
                                  "*a",
                                  "&a x",
                                  "? [a]",
                                  "[1, [2]]",
                                  "{a: b}",
                                  "\"\\xD0\""};

class Mutator {
public:
    explicit Mutator(quint64 seed)
        : random_(seed)
    {
    }

    int below(qsizetype count)
    {
        return int(std::uniform_int_distribution<qsizetype>(0, count - 1)(random_));
    }

    QByteArray mutate(QByteArray data, const std::vector<Input>& others, bool text)
    {
        const int count = 1 + below(3);
        for (int i = 0; i < count; ++i)
            data = mutateOnce(data, others, text);
        return data;
    }

private:
    QByteArray mutateOnce(QByteArray data, const std::vector<Input>& others, bool text)
    {
        if (data.isEmpty())
            return QByteArray(specialBytes[below(std::size(specialBytes))]);
        if (text) {
            // Mostly changes a reader can get past: whole words, lines and characters; now and then
            // a raw byte.
            switch (below(10)) {
            case 0:
            case 1:
            case 2:
            case 3:
                return replaceToken(data, below(data.size()));
            case 4:
            case 5:
            case 6:
                return mutateLines(data, others);
            case 7:
            case 8:
                return mutateRun(data, others, true);
            default:
                return mutateBytes(data);
            }
        }
        switch (below(4)) {
        case 0:
            return mutateBytes(data);
        case 1:
            return mutateRun(data, others, false);
        default:
            return replaceField(data, below(data.size()));
        }
    }

    QByteArray mutateBytes(QByteArray data)
    {
        const qsizetype at = below(data.size());
        switch (below(4)) {
        case 0: // flip a bit
            data[at] = char(data[at] ^ (1 << below(8)));
            break;
        case 1: // a byte with a meaning
            data.replace(at, 1, specialBytes[below(std::size(specialBytes))]);
            break;
        case 2: // cut short
            data.truncate(at);
            break;
        default: // random bytes
            for (qsizetype i = at; i < std::min(data.size(), at + 1 + below(16)); ++i)
                data[i] = char(below(256));
        }
        return data;
    }

    // Drops, repeats or splices in a run of bytes; in text, a run of whole characters.
    QByteArray mutateRun(QByteArray data, const std::vector<Input>& others, bool text)
    {
        auto start = [text](const QByteArray& bytes, qsizetype at) {
            while (text && at < bytes.size() && (uchar(bytes[at]) & 0xC0) == 0x80)
                ++at;
            return at;
        };
        const qsizetype at = start(data, below(data.size()));
        const qsizetype end =
            start(data, at + 1 + below(std::min<qsizetype>(64, data.size() - at)));
        switch (below(3)) {
        case 0:
            data.remove(at, end - at);
            break;
        case 1:
            data.insert(start(data, below(data.size() + 1)), data.mid(at, end - at));
            break;
        default: {
            const QByteArray& other = others[below(others.size())].data;
            if (!other.isEmpty()) {
                const qsizetype from = start(other, below(other.size()));
                const qsizetype to =
                    start(other, from + 1 + below(std::min<qsizetype>(128, other.size() - from)));
                data.replace(at, end - at, other.mid(from, to - from));
            }
        }
        }
        return data;
    }

    // Drops, repeats or moves a line, or takes one from another layout.
    QByteArray mutateLines(const QByteArray& data, const std::vector<Input>& others)
    {
        QList<QByteArray> lines = data.split('\n');
        const qsizetype at = below(lines.size());
        switch (below(4)) {
        case 0:
            lines.removeAt(at);
            break;
        case 1:
            lines.insert(below(lines.size() + 1), lines[at]);
            break;
        case 2:
            lines.move(at, below(lines.size()));
            break;
        default: {
            const QList<QByteArray> other = others[below(others.size())].data.split('\n');
            lines.insert(below(lines.size() + 1), other[below(other.size())]);
        }
        }
        return lines.join('\n');
    }

    // Replaces the word or number at `at` with one from the edge of what the reader takes.
    QByteArray replaceToken(QByteArray data, qsizetype at)
    {
        // Letters of any script, digits and dots: a whole word or number, never half a character.
        auto isWord = [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || uchar(c) >= 0x80;
        };
        while (at > 0 && isWord(data[at - 1]))
            --at;
        qsizetype end = at;
        while (end < data.size() && isWord(data[end]))
            ++end;
        data.replace(at, std::max<qsizetype>(1, end - at),
                     edgeTokens[below(std::size(edgeTokens))]);
        return data;
    }

    // Writes an extreme value over a 16- or 32-bit field: a size in a picture's header, mostly.
    QByteArray replaceField(QByteArray data, qsizetype at)
    {
        static const quint32 extremes[] = {0,          1,          0x7FFF,     0x8000, 0xFFFF,
                                           10000,      10001,      16384,      30000,  0x7FFFFFFF,
                                           0x80000000, 0xFFFFFFFF, 0xFFFFFFF0, 4097,   65535};
        // Most often a size field of a JPEG frame header or a bitmap header.
        if (below(2) == 0) {
            const qsizetype frame = data.indexOf("\xFF\xC0");
            const qsizetype progressive = data.indexOf("\xFF\xC2");
            const qsizetype marker = frame >= 0 ? frame : progressive;
            if (marker >= 0 && marker + 9 <= data.size())
                at = marker + 5 + 2 * below(2);
            else if (data.startsWith("BM") && data.size() >= 26)
                at = 18 + 4 * below(2);
        }
        const quint32 value =
            below(3) == 0 ? quint32(random_()) : extremes[below(std::size(extremes))];
        const int width = below(2) == 0 ? 2 : 4;
        for (int i = 0; i < width && at + i < data.size(); ++i)
            data[at + i] = char(value >> (8 * (width - 1 - i)));
        return data;
    }

    std::mt19937_64 random_;
};

quint64 seedFromEnvironment()
{
    bool ok = false;
    const quint64 seed = qEnvironmentVariable("TEXTBOOK_SEED").toULongLong(&ok);
    return ok ? seed : std::random_device{}();
}

int inputsFromEnvironment()
{
    bool ok = false;
    const int inputs = qEnvironmentVariable("TEXTBOOK_FUZZ_INPUTS").toInt(&ok);
    return ok && inputs >= 0 ? inputs : DefaultInputs;
}

class LoaderFuzz : public ::testing::Test {
protected:
    void SetUp() override
    {
        seed = seedFromEnvironment();
        std::fprintf(stderr, "loader fuzz: seed %llu (TEXTBOOK_SEED=%llu repeats it)\n",
                     static_cast<unsigned long long>(seed), static_cast<unsigned long long>(seed));
    }
    // Where a fault was found: enough to find the input again.
    std::string where(int index, const Input& from) const
    {
        return "seed " + std::to_string(seed) + ", input " + std::to_string(index) + ", from " +
               from.name.toStdString();
    }
    quint64 seed = 0;
};

bool within(int value, int least, int most)
{
    return value >= least && value <= most;
}

TEST_F(LoaderFuzz, MutatedLayoutsLoadWithinTheLimitsOrFailWithANamedError)
{
    const std::vector<Input> layouts = builtIn({"yaml"});
    ASSERT_GT(layouts.size(), 10u);
    Mutator mutator(seed);
    const int inputs = inputsFromEnvironment();
    int refused = 0;
    for (int i = 0; i < inputs; ++i) {
        const Input& from = layouts[mutator.below(layouts.size())];
        const QByteArray yaml = mutator.mutate(from.data, layouts, true);
        const QString path = "fuzz/" + from.name.chopped(5);
        try {
            const gui::LayoutSpec layout = gui::parseLayout(path, yaml);
            EXPECT_TRUE(within(layout.client.width(), 0, 10000) &&
                        within(layout.client.height(), 0, 10000))
                << where(i, from);
            for (const gui::ControlSpec& control : layout.controls) {
                const QRect& r = control.rect;
                EXPECT_TRUE(within(r.x(), -10000, 10000) && within(r.y(), -10000, 10000) &&
                            within(r.width(), 0, 10000) && within(r.height(), 0, 10000))
                    << where(i, from) << ": " << control.name.toStdString();
                EXPECT_TRUE(within(control.font.size, 1, 500)) << where(i, from);
                EXPECT_GT(control.interval, 0) << where(i, from);
                EXPECT_TRUE(control.picture.isEmpty() || !control.image.isNull()) << where(i, from);
            }
        } catch (const gui::LayoutError& error) {
            ++refused;
            EXPECT_EQ(std::string(error.what()).rfind(path.toStdString() + ".yaml: ", 0), 0u)
                << where(i, from) << ": " << error.what();
        } catch (const std::exception& error) {
            ADD_FAILURE() << where(i, from) << ": not a layout error: " << error.what();
        }
    }
    std::fprintf(stderr, "%d layouts, %d refused\n", inputs, refused);
}

TEST_F(LoaderFuzz, MutatedPicturesDecodeWithinTheLimitsOrFailWithANamedError)
{
    const std::vector<Input> pictures = builtIn({"jpg", "bmp"});
    ASSERT_GT(pictures.size(), 10u);
    Mutator mutator(seed);
    const int inputs = inputsFromEnvironment();
    std::map<QString, std::vector<Input>> byKind; // runs are spliced between pictures of a kind
    for (const Input& picture : pictures)
        byKind[QFileInfo(picture.name).suffix()].push_back(picture);
    int refused = 0;
    for (int i = 0; i < inputs; ++i) {
        const Input& from = pictures[mutator.below(pictures.size())];
        const QByteArray data =
            mutator.mutate(from.data, byKind[QFileInfo(from.name).suffix()], false);
        const QString name = QFileInfo(from.name).fileName();
        try {
            const QImage image = gui::decodePicture(data, name);
            EXPECT_FALSE(image.isNull()) << where(i, from);
            EXPECT_EQ(image.format(), QImage::Format_RGB32) << where(i, from);
            EXPECT_TRUE(gui::pictureSizeAllowed(image.width(), image.height())) << where(i, from);
        } catch (const gui::PictureError& error) {
            ++refused;
            EXPECT_EQ(std::string(error.what()).rfind("picture " + name.toStdString() + ": ", 0),
                      0u)
                << where(i, from) << ": " << error.what();
        } catch (const std::exception& error) {
            ADD_FAILURE() << where(i, from) << ": not a picture error: " << error.what();
        }
    }
    std::fprintf(stderr, "%d pictures, %d refused\n", inputs, refused);
}

} // namespace
