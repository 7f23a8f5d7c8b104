#include "jpeg_picture.h"

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <string>

#include <jpeglib.h>

#include "exception.h"

namespace {

// libjpeg's error manager with the exit replaced by a jump back into
// DecodeJpeg, and its warnings counted instead of printed.
struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  int warnings = 0;
  char message[JMSG_LENGTH_MAX] = {};
};

ErrorManager& Errors(j_common_ptr info) { return *reinterpret_cast<ErrorManager*>(info->err); }

[[noreturn]] void JumpOnError(j_common_ptr info) {
  ErrorManager& errors = Errors(info);
  info->err->format_message(info, errors.message);
  std::longjmp(errors.jump, 1);
}

void CountWarning(j_common_ptr info, int level) {
  if (level >= 0) return;  // trace messages
  ErrorManager& errors = Errors(info);
  if (errors.warnings++ == 0) info->err->format_message(info, errors.message);
}

// Everything the decoder touches lives here, off the stack frame that
// setjmp returns into, so nothing is left indeterminate by the jump.
struct Decoder {
  jpeg_decompress_struct info;
  ErrorManager errors;
  QImage image;
  ~Decoder() { jpeg_destroy_decompress(&info); }
};

constexpr std::uint64_t MaxPixels = 4096 * 4096;

[[noreturn]] void Refuse(const char* reason) {
  throw Exception(std::string("The JPEG picture cannot be decoded: ") + reason);
}

}  // namespace

QImage DecodeJpeg(const std::uint8_t* data, std::size_t size) {
  auto decoder = std::make_unique<Decoder>();
  decoder->info.err = jpeg_std_error(&decoder->errors.base);
  decoder->errors.base.error_exit = JumpOnError;
  decoder->errors.base.emit_message = CountWarning;
  if (setjmp(decoder->errors.jump)) Refuse(decoder->errors.message);
  jpeg_create_decompress(&decoder->info);

  jpeg_mem_src(&decoder->info, data, static_cast<unsigned long>(size));
  jpeg_read_header(&decoder->info, TRUE);
  // Checked before decompression starts: a progressive picture is buffered
  // whole, so a forged size would be allocated first.
  const std::uint64_t width = decoder->info.image_width;
  const std::uint64_t height = decoder->info.image_height;
  if (width * height > MaxPixels) Refuse("the picture is too large");
  decoder->info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&decoder->info);

  decoder->image = QImage(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB888);
  if (decoder->image.isNull()) Refuse("out of memory");
  // One row at a time: a QImage row is padded to four bytes.
  while (decoder->info.output_scanline < decoder->info.output_height) {
    JSAMPROW row = decoder->image.scanLine(static_cast<int>(decoder->info.output_scanline));
    jpeg_read_scanlines(&decoder->info, &row, 1);
  }
  jpeg_finish_decompress(&decoder->info);

  if (decoder->errors.warnings > 0) Refuse(decoder->errors.message);
  return decoder->image;
}
