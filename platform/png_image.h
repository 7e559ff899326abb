// PNG encoding of the raster surface's grey images.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// A black-and-white PNG of the image (every pixel below mid-grey is black).
// Empty when the image cannot be encoded.
std::string EncodeMonochromePng(const uint8_t* bits, int width, int height, ptrdiff_t stride);
