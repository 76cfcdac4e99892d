#include "ui/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <string>

#include <jpeglib.h>

#include "font/Errors.h"

namespace {

struct TJpegErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

void ExitWithMessage(j_common_ptr info)
{
    auto* manager = reinterpret_cast<TJpegErrorManager*>(info->err);
    info->err->format_message(info, manager->Message);
    // libjpeg is C: leave it by longjmp, then throw from our own frame.
    std::longjmp(manager->Jump, 1);
}

// Corrupt-data warnings still leave a usable picture; nothing is printed.
void IgnoreMessage(j_common_ptr, int) {}

struct TDecodeState {
    jpeg_decompress_struct Info{};
    TJpegErrorManager Error{};
    QImage Image;
};

} // namespace

QImage DecodeJpeg(const QByteArray& data)
{
    // Everything the jump must not lose lives behind a pointer that never changes.
    const auto state = std::make_unique<TDecodeState>();
    state->Info.err = jpeg_std_error(&state->Error.Base);
    state->Error.Base.error_exit = ExitWithMessage;
    state->Error.Base.emit_message = IgnoreMessage;
    if (setjmp(state->Error.Jump)) {
        jpeg_destroy_decompress(&state->Info);
        throw EInvalidGraphic(std::string("JPEG image is not valid. ") + state->Error.Message);
    }
    jpeg_create_decompress(&state->Info);
    jpeg_mem_src(&state->Info, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    jpeg_read_header(&state->Info, TRUE);
    state->Info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&state->Info);
    state->Image = QImage(static_cast<int>(state->Info.output_width), static_cast<int>(state->Info.output_height),
                          QImage::Format_RGB888);
    if (state->Image.isNull()) {
        jpeg_destroy_decompress(&state->Info);
        throw EInvalidGraphic("JPEG image is not valid. The picture is too large.");
    }
    while (state->Info.output_scanline < state->Info.output_height) {
        JSAMPROW row = state->Image.scanLine(static_cast<int>(state->Info.output_scanline));
        jpeg_read_scanlines(&state->Info, &row, 1);
    }
    jpeg_finish_decompress(&state->Info);
    jpeg_destroy_decompress(&state->Info);
    return std::move(state->Image);
}
