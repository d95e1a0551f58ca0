#include "gui/Picture.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace gui {
namespace {

// libjpeg's default error handler ends the process; this one jumps back to the decoder instead.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf resume;
    char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr info)
{
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->resume, 1);
}

void onWarning(j_common_ptr, int) {}

// Decodes into image; returns false with the library's message on failure. Kept free of C++
// objects with destructors, since a failure leaves it by longjmp.
bool decode(const unsigned char* bytes, unsigned long size, QImage& image, char* message)
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    errors.base.emit_message = onWarning;
    errors.message[0] = '\0';
    if (setjmp(errors.resume)) {
        jpeg_destroy_decompress(&info);
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.message);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, bytes, size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
    if (image.isNull()) {
        jpeg_destroy_decompress(&info);
        std::snprintf(message, JMSG_LENGTH_MAX, "picture too large");
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

QImage decodeJpeg(const QByteArray& data, const QString& name)
{
    if (data.isEmpty())
        throw PictureError(("picture " + name + ": empty JPEG data").toStdString());
    QImage image;
    char message[JMSG_LENGTH_MAX];
    if (!decode(reinterpret_cast<const unsigned char*>(data.constData()),
                static_cast<unsigned long>(data.size()), image, message))
        throw PictureError(
            ("picture " + name + ": " + QString::fromLocal8Bit(message)).toStdString());
    return image;
}

} // namespace gui
