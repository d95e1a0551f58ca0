#include "gui/Picture.h"

#include <QFile>
#include <QHash>

namespace gui {
namespace {

QImage readPicture(const QString& file)
{
    QFile source(":/assets/" + file);
    if (!source.open(QIODevice::ReadOnly))
        throw PictureError(("picture " + file + ": not found").toStdString());
    const QByteArray data = source.readAll();
    const QString lower = file.toLower();
    if (lower.endsWith(".jpg") || lower.endsWith(".jpeg"))
        return decodeJpeg(data, file);
    QImage image;
    if (!image.loadFromData(data, "BMP"))
        throw PictureError(("picture " + file + ": not a readable bitmap").toStdString());
    return image;
}

} // namespace

QImage loadPicture(const QString& file)
{
    // Screens are made anew each time they open: decode each picture once (QImage shares its data).
    static QHash<QString, QImage> decoded;
    if (auto it = decoded.constFind(file); it != decoded.constEnd())
        return *it;
    // The format of the screen's backing store, so painting needs no conversion.
    QImage image = readPicture(file).convertToFormat(QImage::Format_RGB32);
    decoded.insert(file, image);
    return image;
}

} // namespace gui
