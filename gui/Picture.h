#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <stdexcept>

namespace gui {

// A picture that cannot be read or decoded; the message names it.
class PictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Loads a picture of the programs' assets (a BMP or a JPEG) by its file name.
QImage loadPicture(const QString& file);

// Decodes JPEG data with libjpeg; a corrupt picture is a PictureError naming it.
QImage decodeJpeg(const QByteArray& data, const QString& name);

} // namespace gui
