#include "gui/Picture.h"

#include <QFile>
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

TEST(Picture, AMissingOrUnreadablePictureIsAnError)
{
    EXPECT_THROW(gui::loadPicture("nothing_here.bmp"), gui::PictureError);
}

} // namespace
