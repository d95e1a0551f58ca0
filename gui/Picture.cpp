#include "gui/Picture.h"

#include <QBuffer>
#include <QFile>
#include <QHash>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>

namespace gui {
namespace {

[[noreturn]] void fail(const QString& name, const QString& message)
{
    throw PictureError(("picture " + name + ": " + message).toStdString());
}

QImage decodeBitmap(const QByteArray& data, const QString& name)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "BMP");
    const QSize size = reader.size();
    if (!size.isValid())
        fail(name, "not a readable bitmap");
    if (!pictureSizeAllowed(size.width(), size.height()))
        fail(name, QString("%1 x %2 pixels is too large").arg(size.width()).arg(size.height()));
    QImage image;
    if (!reader.read(&image))
        fail(name, "not a readable bitmap: " + reader.errorString());
    return image;
}

} // namespace

bool pictureSizeAllowed(long long width, long long height)
{
    return width > 0 && height > 0 && width <= LargestPictureSide && height <= LargestPictureSide &&
           width * height <= LargestPictureArea;
}

QImage decodePicture(const QByteArray& data, const QString& name)
{
    const QString lower = name.toLower();
    QImage image = lower.endsWith(".jpg") || lower.endsWith(".jpeg") ? decodeJpeg(data, name)
                                                                     : decodeBitmap(data, name);
    // The format of the screen's backing store, so painting needs no conversion.
    if (image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    if (image.isNull())
        fail(name, "cannot be converted for the screen (out of memory?)");
    return image;
}

QImage loadPicture(const QString& file)
{
    // Screens are made anew each time they open: decode each picture once (QImage shares its data).
    static QHash<QString, QImage> decoded;
    if (auto it = decoded.constFind(file); it != decoded.constEnd())
        return *it;
    QFile source(":/assets/" + file);
    if (!source.open(QIODevice::ReadOnly))
        fail(file, "not found");
    const QImage image = decodePicture(source.readAll(), file);
    decoded.insert(file, image);
    return image;
}

QImage loadPicture(const QString& file, QSize size)
{
    const QImage natural = loadPicture(file);
    if (size == natural.size() || size.isEmpty())
        return natural;
    static QHash<QString, QImage> rendered;
    const QString key = QString("%1@%2x%3").arg(file).arg(size.width()).arg(size.height());
    if (auto it = rendered.constFind(key); it != rendered.constEnd())
        return *it;
    if (!pictureSizeAllowed(size.width(), size.height()))
        fail(file, QString("%1 x %2 pixels is too large").arg(size.width()).arg(size.height()));

    QImage image;
    const QString vectorSource = ":/assets/src/" + QFileInfo(file).completeBaseName() + ".svg";
    if (QSvgRenderer vector; QFile::exists(vectorSource) && vector.load(vectorSource)) {
        // Line pictures are opaque on white, as their pixel versions are.
        image = QImage(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        vector.render(&painter);
    } else {
        image = natural.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    if (image.isNull())
        fail(file, "cannot be scaled for the screen (out of memory?)");
    rendered.insert(key, image);
    return image;
}

} // namespace gui
