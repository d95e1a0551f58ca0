#include "gui/Picture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

QByteArray asset(const QString& name)
{
    QFile file(":/assets/" + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Picture, DecodesJpegAndBitmapAtTheirNaturalSize)
{
    const QImage birch = gui::loadPicture("birch.jpg");
    EXPECT_EQ(birch.size(), QSize(153, 201));
    const QImage mark = gui::loadPicture("prefix_mark.bmp");
    EXPECT_EQ(mark.size(), QSize(30, 8));
}

TEST(Picture, ACorruptJpegIsAnErrorNamingIt)
{
    QByteArray data = asset("birch.jpg");
    ASSERT_FALSE(data.isEmpty());
    const QByteArray cut = data.left(data.size() / 3) + QByteArray(64, '\xFF');
    const QByteArray scrambled = QByteArray("\xFF\xD8\xFF\xE0garbage-that-is-not-a-jpeg", 30);

    for (const QByteArray& bad : {scrambled, QByteArray("not a picture"), QByteArray()}) {
        try {
            gui::decodeJpeg(bad, "broken.jpg");
            ADD_FAILURE() << "corrupt data must not decode";
        } catch (const gui::PictureError& error) {
            EXPECT_NE(std::string(error.what()).find("broken.jpg"), std::string::npos);
        }
    }
    // A truncated picture decodes with a warning or fails with an error; it never ends the process.
    try {
        gui::decodeJpeg(cut, "cut.jpg");
    } catch (const gui::PictureError& error) {
        EXPECT_NE(std::string(error.what()).find("cut.jpg"), std::string::npos);
    }
}

// A JPEG whose frame header claims another size; the picture data stays as it was.
QByteArray jpegClaiming(QByteArray data, quint16 width, quint16 height)
{
    qsizetype frame = -1;
    for (const char* marker : {"\xFF\xC0", "\xFF\xC1", "\xFF\xC2"})
        if (frame < 0)
            frame = data.indexOf(marker);
    if (frame < 0 || frame + 9 > data.size())
        return {};
    qToBigEndian(height, data.data() + frame + 5);
    qToBigEndian(width, data.data() + frame + 7);
    return data;
}

// A bitmap whose header claims another size.
QByteArray bitmapClaiming(QByteArray data, qint32 width, qint32 height)
{
    if (data.size() < 26)
        return {};
    qToLittleEndian(width, data.data() + 18);
    qToLittleEndian(height, data.data() + 22);
    return data;
}

std::string errorOf(const QByteArray& data, const QString& name)
{
    try {
        const QImage image = gui::decodePicture(data, name);
        return "decoded " + std::to_string(image.width()) + " x " + std::to_string(image.height());
    } catch (const gui::PictureError& error) {
        return error.what();
    }
}

// Such headers once made the decoder take 14 s and 1.8 GB, or end in an empty picture without an
// error; now the size is refused before any pixel memory is taken.
TEST(Picture, AHeaderClaimingAHugePictureIsRefusedAtOnce)
{
    const QByteArray birch = asset("birch.jpg");
    const QByteArray mark = asset("prefix_mark.bmp");
    QElapsedTimer clock;
    clock.start();
    for (const QSize& size :
         {QSize(16384, 16384), QSize(30000, 30000), QSize(10001, 201), QSize(5000, 5000)}) {
        const QByteArray jpeg = jpegClaiming(birch, size.width(), size.height());
        ASSERT_FALSE(jpeg.isEmpty());
        EXPECT_EQ(errorOf(jpeg, "birch.jpg"),
                  QString("picture birch.jpg: %1 x %2 pixels is too large")
                      .arg(size.width())
                      .arg(size.height())
                      .toStdString());
    }
    // Sizes that the readers refuse by themselves, and bitmaps: refused under the picture's name.
    const std::pair<QByteArray, QString> refused[] = {
        {jpegClaiming(birch, 153, 65535), "birch.jpg"},
        {jpegClaiming(birch, 0, 201), "birch.jpg"},
        {bitmapClaiming(mark, 16384, 16384), "mark.bmp"},
        {bitmapClaiming(mark, 30000, 30000), "mark.bmp"},
        {bitmapClaiming(mark, 10001, 8), "mark.bmp"},
        {bitmapClaiming(mark, 5000, 5000), "mark.bmp"},
        {bitmapClaiming(mark, 30, -2147483647 - 1), "mark.bmp"},
    };
    for (const auto& [data, name] : refused) {
        const std::string error = errorOf(data, name);
        EXPECT_EQ(error.rfind("picture " + name.toStdString() + ": ", 0), 0u) << error;
    }
    EXPECT_LT(clock.elapsed(), 2000);

    // Up to the limits the header is believed: the missing data decodes as blank.
    EXPECT_EQ(errorOf(jpegClaiming(birch, 153, 2000), "birch.jpg"), "decoded 153 x 2000");
}

TEST(Picture, EveryAssetDecodesToTheScreensFormat)
{
    const QStringList names = QDir(":/assets").entryList({"*.bmp", "*.jpg"});
    ASSERT_GT(names.size(), 10);
    for (const QString& name : names) {
        const QImage image = gui::loadPicture(name);
        EXPECT_FALSE(image.isNull()) << name.toStdString();
        EXPECT_EQ(image.format(), QImage::Format_RGB32) << name.toStdString();
        EXPECT_EQ(image.pixel(0, 0) >> 24, 0xFFu) << name.toStdString();
    }
}

TEST(Picture, AMissingOrUnreadablePictureIsAnError)
{
    EXPECT_THROW(gui::loadPicture("nothing_here.bmp"), gui::PictureError);
    EXPECT_EQ(errorOf("BM not a bitmap", "broken.bmp"),
              "picture broken.bmp: not a readable bitmap");
    // A bitmap cut short decodes at its size, the rest blank, like a JPEG cut short.
    EXPECT_EQ(errorOf(asset("prefix_mark.bmp").left(80), "cut.bmp"), "decoded 30 x 8");
}

} // namespace
