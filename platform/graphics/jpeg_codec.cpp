#include "platform/graphics/jpeg_codec.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>

extern "C" {
#include <jerror.h>
#include <jpeglib.h>
}

#include "platform/graphics/image_limits.h"

namespace brsm {
namespace {

// libjpeg's working memory (progressive coefficient buffers above all).
constexpr long kMaxWorkingMemory = 256L * 1024 * 1024;

struct ErrorManager {
  jpeg_error_mgr pub;
  jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

struct MemorySource {
  jpeg_source_mgr pub;
};

const JOCTET kEndOfImage[2] = {0xFF, JPEG_EOI};

void OnError(j_common_ptr cinfo) {
  ErrorManager* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}
// Warnings are tolerated except the one that says entropy-coded data ran
// out (the file was cut short): a half-grey picture is damage, not an image.
void OnMessage(j_common_ptr cinfo, int level) {
  if (level < 0 && cinfo->err->msg_code == JWRN_HIT_MARKER) OnError(cinfo);
}
void OnOutput(j_common_ptr) {}

void InitSource(j_decompress_ptr) {}
void TermSource(j_decompress_ptr) {}

// The whole file is in the buffer, so being asked for more means the data
// ended early: an end marker is supplied. Missing pixel data then shows as
// the warning above, a missing header as libjpeg's own error; a file that
// only lacks its end marker decodes.
boolean FillInput(j_decompress_ptr cinfo) {
  cinfo->src->next_input_byte = kEndOfImage;
  cinfo->src->bytes_in_buffer = sizeof kEndOfImage;
  return TRUE;
}

void SkipInput(j_decompress_ptr cinfo, long count) {
  if (count <= 0) return;
  jpeg_source_mgr* src = cinfo->src;
  while (static_cast<size_t>(count) > src->bytes_in_buffer) {
    count -= static_cast<long>(src->bytes_in_buffer);
    FillInput(cinfo);
  }
  src->next_input_byte += count;
  src->bytes_in_buffer -= static_cast<size_t>(count);
}

bool Fail(std::string* error, const std::string& message) {
  if (error) *error = message;
  return false;
}

uint8_t Mul255(unsigned a, unsigned b) { return static_cast<uint8_t>((a * b + 127) / 255); }

void ConvertRow(const JSAMPLE* in, uint8_t* out, int width, J_COLOR_SPACE space, bool inverted) {
  switch (space) {
    case JCS_GRAYSCALE:
      for (int x = 0; x < width; ++x) out[3 * x] = out[3 * x + 1] = out[3 * x + 2] = in[x];
      break;
    case JCS_CMYK:
      for (int x = 0; x < width; ++x) {
        unsigned c = in[4 * x], m = in[4 * x + 1], y = in[4 * x + 2], k = in[4 * x + 3];
        if (!inverted) {
          c = 255 - c;
          m = 255 - m;
          y = 255 - y;
          k = 255 - k;
        }
        out[3 * x] = Mul255(y, k);
        out[3 * x + 1] = Mul255(m, k);
        out[3 * x + 2] = Mul255(c, k);
      }
      break;
    default:
      for (int x = 0; x < width; ++x) {
        out[3 * x] = in[3 * x + 2];
        out[3 * x + 1] = in[3 * x + 1];
        out[3 * x + 2] = in[3 * x];
      }
      break;
  }
}

// The only frame that holds a jmp_buf: it owns nothing with a destructor,
// and the image it fills belongs to the caller.
bool RunDecoder(const uint8_t* data, size_t size, TPixelBuffer& image, std::string* error) {
  jpeg_decompress_struct cinfo;
  ErrorManager jerr;
  MemorySource src;
  std::memset(&cinfo, 0, sizeof cinfo);
  std::memset(&src, 0, sizeof src);
  cinfo.err = jpeg_std_error(&jerr.pub);
  jerr.pub.error_exit = OnError;
  jerr.pub.emit_message = OnMessage;
  jerr.pub.output_message = OnOutput;
  jerr.message[0] = 0;
  if (setjmp(jerr.jump)) {
    jpeg_destroy_decompress(&cinfo);
    return Fail(error, std::string("damaged JPEG data: ") + jerr.message);
  }
  jpeg_create_decompress(&cinfo);
  cinfo.mem->max_memory_to_use = kMaxWorkingMemory;
  src.pub.init_source = InitSource;
  src.pub.fill_input_buffer = FillInput;
  src.pub.skip_input_data = SkipInput;
  src.pub.resync_to_restart = jpeg_resync_to_restart;
  src.pub.term_source = TermSource;
  src.pub.next_input_byte = data;
  src.pub.bytes_in_buffer = size;
  cinfo.src = &src.pub;

  jpeg_read_header(&cinfo, TRUE);
  if (!ImageSizeAllowed(cinfo.image_width, cinfo.image_height, error)) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  bool inverted = false;
  switch (cinfo.jpeg_color_space) {
    case JCS_GRAYSCALE:
      cinfo.out_color_space = JCS_GRAYSCALE;
      break;
    case JCS_RGB:
    case JCS_YCbCr:
      cinfo.out_color_space = JCS_RGB;
      break;
    case JCS_CMYK:
    case JCS_YCCK:
      cinfo.out_color_space = JCS_CMYK;
      inverted = cinfo.saw_Adobe_marker;
      break;
    default:
      jpeg_destroy_decompress(&cinfo);
      return Fail(error, "unsupported JPEG colour space with " +
                             std::to_string(cinfo.num_components) + " components");
  }
  jpeg_start_decompress(&cinfo);
  const int width = static_cast<int>(cinfo.output_width);
  const int height = static_cast<int>(cinfo.output_height);
  if (!ImageSizeAllowed(width, height, error)) {
    jpeg_destroy_decompress(&cinfo);
    return false;
  }
  bool allocated = true;
  try {
    image.Resize(width, height, 3, TPixelBuffer::Orientation::BottomUp);
  } catch (const std::bad_alloc&) {
    allocated = false;
  }
  if (!allocated) {
    jpeg_destroy_decompress(&cinfo);
    return Fail(error, "not enough memory for the JPEG image");
  }
  JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                              cinfo.output_width * cinfo.output_components, 1);
  const TPixelBufferView view = image.View();
  while (cinfo.output_scanline < cinfo.output_height) {
    const int y = static_cast<int>(cinfo.output_scanline);
    if (jpeg_read_scanlines(&cinfo, row, 1) != 1) break;
    ConvertRow(row[0], view.Row(y), width, cinfo.out_color_space, inverted);
  }
  jpeg_finish_decompress(&cinfo);
  jpeg_destroy_decompress(&cinfo);
  return true;
}

}  // namespace

bool DecodeJpeg(const uint8_t* data, size_t size, TPixelBuffer& out, std::string* error) {
  if (!data || size == 0) return Fail(error, "no JPEG data");
  TPixelBuffer image;
  if (!RunDecoder(data, size, image, error)) return false;
  out = std::move(image);
  return true;
}

}  // namespace brsm
