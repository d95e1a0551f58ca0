#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <stdexcept>

namespace gui {

// A picture that cannot be read or decoded, or that is too large; the message names it.
class PictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The largest picture taken, a side and in all: far beyond any picture of the programs, even drawn
// at the scale of the largest screen. The size is read from the picture's header and checked
// before any pixel memory is taken.
inline constexpr int LargestPictureSide = 10000;
inline constexpr long long LargestPictureArea = 4096LL * 4096;

// Whether a picture of this size may be decoded.
bool pictureSizeAllowed(long long width, long long height);

// Loads a picture of the programs' assets (a BMP or a JPEG) by its file name, in the format the
// screens paint (32-bit RGB). Each picture is decoded once.
QImage loadPicture(const QString& file);

// An asset picture at a size of its own, rendered once per size and kept: a line picture from its
// vector source (assets/src/NAME.svg) where the program holds one, any other picture resampled
// smoothly. At its natural size it is the picture itself.
QImage loadPicture(const QString& file, QSize size);

// Decodes a picture's data, a JPEG or a BMP by the extension of its name, into 32-bit RGB. A
// corrupt or too large picture is a PictureError naming it; the result is never an empty image.
QImage decodePicture(const QByteArray& data, const QString& name);

// Decodes JPEG data with libjpeg into 32-bit RGB; a corrupt or too large picture is a
// PictureError naming it.
QImage decodeJpeg(const QByteArray& data, const QString& name);

} // namespace gui
