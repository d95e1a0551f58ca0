#include "gui/Picture.h"

#include <QSysInfo>
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

// The decoder's own working memory (a progressive picture keeps all its coefficients) is bounded
// too; beyond it libjpeg fails with an error.
constexpr long LargestDecoderMemory = 256L * 1024 * 1024;

// 32-bit RGB as QImage::Format_RGB32 lays it out: 0xAARRGGBB words with an opaque alpha.
constexpr J_COLOR_SPACE Rgb32 =
    QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRA : JCS_EXT_ARGB;

// Decodes into image; returns false with a message on failure. Kept free of C++ objects with
// destructors, since a failure leaves it by longjmp.
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
    info.mem->max_memory_to_use = LargestDecoderMemory;
    jpeg_mem_src(&info, bytes, size);
    jpeg_read_header(&info, TRUE);
    // The header's size, checked before the decoder or the image takes any pixel memory.
    if (!pictureSizeAllowed(info.image_width, info.image_height)) {
        std::snprintf(message, JMSG_LENGTH_MAX, "%u x %u pixels is too large", info.image_width,
                      info.image_height);
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = Rgb32;
    jpeg_start_decompress(&info);
    image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    if (image.isNull()) {
        jpeg_destroy_decompress(&info);
        std::snprintf(message, JMSG_LENGTH_MAX, "no memory for %u x %u pixels", info.output_width,
                      info.output_height);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(int(info.output_scanline));
        if (jpeg_read_scanlines(&info, &row, 1) != 1) {
            jpeg_destroy_decompress(&info);
            std::snprintf(message, JMSG_LENGTH_MAX, "the data ends before the picture");
            return false;
        }
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
                static_cast<unsigned long>(data.size()), image, message)) {
        image = QImage();
        throw PictureError(
            ("picture " + name + ": " + QString::fromLocal8Bit(message)).toStdString());
    }
    return image;
}

} // namespace gui
