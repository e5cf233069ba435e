// Reading a GIF picture: telling a whole one from a cut or broken one, and
// decoding the plain kind in the same pass.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>

namespace torvel {

struct GifImage {
    int width = 0;
    int height = 0;
    // width x height pixels as 0xFFRRGGBB, row by row from the top.
    std::unique_ptr<std::uint32_t[]> pixels;
};

struct GifReading {
    // The header, the colour tables and every block are whole, each image's
    // compressed codes are valid, end with their end code and give exactly
    // the image's pixels, and the file ends with its trailer after at least
    // one image. Qt's own reader shows whatever part of a cut picture it got,
    // so the program checks for itself.
    bool complete = false;
    // The picture of a complete file of the plain kind: one image covering
    // the whole screen of the file, not interlaced, without a transparent
    // colour, every pixel an entry of its colour table. Any other picture is
    // left to a full decoder.
    std::optional<GifImage> image;
};

GifReading ReadGif(std::string_view bytes);

}  // namespace torvel
