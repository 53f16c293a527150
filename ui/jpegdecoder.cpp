#include "jpegdecoder.h"

#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <jpeglib.h>

namespace namer {

namespace {

// libjpeg is handed the address of the first member and gives it back to the callbacks.
struct ErrorManager {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

// libjpeg's own error handler would end the program.
[[noreturn]] void returnToDecoder(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->jump, 1);
}

// Level -1 is a warning about corrupt or missing data, which libjpeg would decode as grey.
void stopOnWarning(j_common_ptr info, int level) {
    if (level < 0) {
        returnToDecoder(info);
    }
}

void discardMessage(j_common_ptr) {}

// The part that libjpeg may jump out of: only C calls and trivially destructible locals, since
// longjmp skips destructors. Fills height rows of width RGB pixels, stride bytes apart.
bool decodeRgb(const unsigned char *data, unsigned long size, int width, int height,
               unsigned char *pixels, std::ptrdiff_t stride) {
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = returnToDecoder;
    errors.manager.emit_message = stopOnWarning;
    errors.manager.output_message = discardMessage;
    if (setjmp(errors.jump) != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }

    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    // Checked before decoding, so a damaged header cannot make libjpeg allocate a huge image.
    if (info.image_width != static_cast<JDIMENSION>(width) ||
        info.image_height != static_cast<JDIMENSION>(height)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels + info.output_scanline * stride;
        jpeg_read_scanlines(&info, &row, 1);
    }
    // Reads on to the end marker, so that a file cut after its last row is noticed too.
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

std::optional<QImage> decodeJpeg(std::string_view bytes, QSize expectedSize) {
    if (expectedSize.isEmpty()) {
        return std::nullopt;
    }
    // The bitmap lives out here, so no C++ object is ever inside the jump's reach.
    QImage image(expectedSize, QImage::Format_RGB888);
    if (image.isNull()) {
        return std::nullopt;
    }
    const auto *data = reinterpret_cast<const unsigned char *>(bytes.data());
    if (!decodeRgb(data, static_cast<unsigned long>(bytes.size()), expectedSize.width(),
                   expectedSize.height(), image.bits(), image.bytesPerLine())) {
        return std::nullopt;
    }
    return image;
}

}  // namespace namer
