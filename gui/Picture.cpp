#include "Picture.h"

#include <QFile>

namespace gui {

QImage loadPicture(const QString& file)
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

} // namespace gui
