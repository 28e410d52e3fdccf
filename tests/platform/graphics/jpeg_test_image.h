// JPEG files made with libjpeg for the tests.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

namespace brsm::test {

// libjpeg compression into a vector.
struct VectorDestination {
  jpeg_destination_mgr pub;
  std::vector<uint8_t>* out;
  JOCTET buffer[4096];
};

inline void InitDestination(j_compress_ptr c) {
  auto* d = reinterpret_cast<VectorDestination*>(c->dest);
  d->pub.next_output_byte = d->buffer;
  d->pub.free_in_buffer = sizeof d->buffer;
}
inline boolean EmptyBuffer(j_compress_ptr c) {
  auto* d = reinterpret_cast<VectorDestination*>(c->dest);
  d->out->insert(d->out->end(), d->buffer, d->buffer + sizeof d->buffer);
  InitDestination(c);
  return TRUE;
}
inline void TermDestination(j_compress_ptr c) {
  auto* d = reinterpret_cast<VectorDestination*>(c->dest);
  d->out->insert(d->out->end(), d->buffer, d->buffer + (sizeof d->buffer - d->pub.free_in_buffer));
}

using Painter = std::function<void(int x, int y, JSAMPLE* px)>;

inline std::vector<uint8_t> Compress(int width, int height, int components, J_COLOR_SPACE space,
                                     const Painter& paint, bool progressive = false) {
  std::vector<uint8_t> out;
  jpeg_compress_struct c;
  jpeg_error_mgr err;
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  VectorDestination dest;
  dest.out = &out;
  dest.pub.init_destination = InitDestination;
  dest.pub.empty_output_buffer = EmptyBuffer;
  dest.pub.term_destination = TermDestination;
  c.dest = &dest.pub;
  c.image_width = width;
  c.image_height = height;
  c.input_components = components;
  c.in_color_space = space;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, 100, TRUE);
  for (int i = 0; i < c.num_components; ++i) c.comp_info[i].h_samp_factor = c.comp_info[i].v_samp_factor = 1;
  if (progressive) jpeg_simple_progression(&c);
  jpeg_start_compress(&c, TRUE);
  std::vector<JSAMPLE> row(static_cast<size_t>(width) * components);
  while (c.next_scanline < c.image_height) {
    for (int x = 0; x < width; ++x) paint(x, static_cast<int>(c.next_scanline), &row[x * components]);
    JSAMPROW rows[1] = {row.data()};
    jpeg_write_scanlines(&c, rows, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  return out;
}

}  // namespace brsm::test
