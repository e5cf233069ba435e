// Reading a GIF picture: telling a whole one from a cut or broken one, and
// decoding the plain kind in the same pass.
#include "windows/gif_reader.h"

#include <array>
#include <string>

namespace torvel {

namespace {

// The largest plain picture decoded here, in pixels; a larger one is left to
// a full decoder and its own limits on memory.
constexpr std::uint64_t kMaxDecodedPixels = 4096 * 4096;

// Reads the file front to back; every read past the end fails.
class Bytes {
public:
    explicit Bytes(std::string_view bytes) : m_bytes(bytes) {}

    std::optional<std::uint8_t> byte() {
        if (m_pos >= m_bytes.size()) return std::nullopt;
        return static_cast<std::uint8_t>(m_bytes[m_pos++]);
    }

    std::optional<unsigned> word() {
        const auto low = byte();
        const auto high = byte();
        if (!low || !high) return std::nullopt;
        return *low | (unsigned{*high} << 8);
    }

    // The next `count` bytes, or none when the file ends first.
    std::optional<std::string_view> take(std::size_t count) {
        if (m_bytes.size() - m_pos < count) return std::nullopt;
        const std::string_view taken = m_bytes.substr(m_pos, count);
        m_pos += count;
        return taken;
    }

    bool skip(std::size_t count) { return take(count).has_value(); }

    bool startsWith(std::string_view text) {
        if (m_bytes.substr(m_pos, text.size()) != text) return false;
        m_pos += text.size();
        return true;
    }

    // The data sub-blocks up to their empty terminator, joined; none when the
    // file ends first.
    std::optional<std::string> subBlocks() {
        std::string data;
        for (;;) {
            const auto size = byte();
            if (!size) return std::nullopt;
            if (*size == 0) return data;
            const auto block = take(*size);
            if (!block) return std::nullopt;
            data.append(*block);
        }
    }

private:
    std::string_view m_bytes;
    std::size_t m_pos = 0;
};

// The size in bytes of the colour table a packed field announces.
std::size_t ColourTableSize(std::uint8_t packed) {
    return (packed & 0x80) != 0 ? 3 * (std::size_t{1} << ((packed & 0x07) + 1)) : 0;
}

// Where the codes of a plain image go: each colour index as its colour.
struct PixelOutput {
    std::array<std::uint32_t, 256> colours{};  // each table entry as 0xFFRRGGBB
    std::size_t entries = 0;
    std::uint32_t* pixels = nullptr;  // room for all of the image's pixels
    // Set when an index the colour table lacks comes up.
    bool lacksColour = false;
};

// Walks the LZW codes of one image. True when every code is one the decoder
// can know at that point, the end code comes, and the strings add up to
// exactly `pixels`. With `out` (and `minCodeSize` at most 8) the strings'
// pixels are written as well.
bool CodesFillTheImage(std::string_view data, unsigned minCodeSize, std::uint64_t pixels, PixelOutput* out) {
    constexpr unsigned kMaxCodes = 4096;
    constexpr unsigned kNoCode = kMaxCodes;
    const unsigned clear = 1u << minCodeSize;
    const unsigned end = clear + 1;
    // Each code's string: its length; and, for the indices, its first and
    // last index and the code of the string without its last index.
    std::array<std::uint32_t, kMaxCodes> lengths{};
    std::array<std::uint16_t, kMaxCodes> prefixes{};
    std::array<std::uint8_t, kMaxCodes> firsts{};
    std::array<std::uint8_t, kMaxCodes> lasts{};
    for (unsigned code = 0; code < clear; ++code) {
        lengths[code] = 1;
        firsts[code] = lasts[code] = static_cast<std::uint8_t>(code);
    }
    unsigned next = end + 1;
    unsigned size = minCodeSize + 1;
    unsigned previous = kNoCode;
    std::uint64_t decoded = 0;
    std::uint32_t bits = 0;
    unsigned held = 0;
    std::size_t pos = 0;
    for (;;) {
        while (held < size) {
            if (pos == data.size()) return false;  // cut before the end code
            bits |= std::uint32_t{static_cast<std::uint8_t>(data[pos++])} << held;
            held += 8;
        }
        const unsigned code = bits & ((1u << size) - 1);
        bits >>= size;
        held -= size;
        if (code == clear) {
            next = end + 1;
            size = minCodeSize + 1;
            previous = kNoCode;
            continue;
        }
        if (code == end) return decoded == pixels;
        std::uint32_t length = 0;
        if (previous == kNoCode) {
            if (code >= clear) return false;
            length = 1;
        } else {
            if (code > next) return false;
            length = code < next ? lengths[code] : lengths[previous] + 1;
            if (next < kMaxCodes) {
                // The previous string and the first index of this one (of
                // the previous one again when this code is the new entry).
                lengths[next] = lengths[previous] + 1;
                prefixes[next] = static_cast<std::uint16_t>(previous);
                firsts[next] = firsts[previous];
                lasts[next] = firsts[code < next ? code : previous];
                ++next;
                if (next == (1u << size) && size < 12) ++size;
            }
        }
        decoded += length;
        if (decoded > pixels) return false;
        if (out != nullptr) {
            // Every index of every string first came as a code of its own.
            if (code < clear && code >= out->entries) out->lacksColour = true;
            // The string from its last index back to its first.
            unsigned string = code;
            std::uint32_t* const first = out->pixels + (decoded - length);
            for (std::uint32_t* pixel = out->pixels + decoded; pixel != first; string = prefixes[string]) {
                *--pixel = out->colours[lasts[string]];
            }
        }
        previous = code;
    }
}

// The logical screen and the colour table that images without one of their
// own use.
struct Screen {
    unsigned width = 0;
    unsigned height = 0;
    std::string_view colours;
};

// Reads one image from its descriptor on. True when it is whole; `image` is
// filled when `decode` asks for it and the image is of the plain kind.
bool ImageIsWhole(Bytes& in, const Screen& screen, bool decode, std::optional<GifImage>& image) {
    const auto left = in.word();
    const auto top = in.word();
    const auto width = in.word();
    const auto height = in.word();
    const auto packed = in.byte();
    if (!left || !top || !width || !height || !packed) return false;
    const auto localColours = in.take(ColourTableSize(*packed));
    const auto minCodeSize = in.byte();
    if (!localColours || !minCodeSize || *minCodeSize < 1 || *minCodeSize > 11) return false;
    const auto data = in.subBlocks();
    if (!data) return false;

    const std::uint64_t pixels = std::uint64_t{*width} * *height;
    const std::string_view colours = (*packed & 0x80) != 0 ? *localColours : screen.colours;
    const bool interlaced = (*packed & 0x40) != 0;
    decode = decode && *left == 0 && *top == 0 && *width == screen.width && *height == screen.height &&
             pixels > 0 && pixels <= kMaxDecodedPixels && !interlaced && !colours.empty() && *minCodeSize <= 8;
    if (!decode) return CodesFillTheImage(*data, *minCodeSize, pixels, nullptr);

    GifImage decoded{static_cast<int>(*width), static_cast<int>(*height),
                     std::make_unique_for_overwrite<std::uint32_t[]>(pixels)};
    PixelOutput out;
    out.entries = colours.size() / 3;
    for (std::size_t i = 0; i < out.entries; ++i) {
        const auto channel = [&](std::size_t k) { return std::uint32_t{static_cast<std::uint8_t>(colours[3 * i + k])}; };
        out.colours[i] = 0xFF000000u | channel(0) << 16 | channel(1) << 8 | channel(2);
    }
    out.pixels = decoded.pixels.get();
    if (!CodesFillTheImage(*data, *minCodeSize, pixels, &out)) return false;
    if (!out.lacksColour) image = std::move(decoded);
    return true;
}

}  // namespace

GifReading ReadGif(std::string_view bytes) {
    GifReading reading;
    Bytes in(bytes);
    if (!in.startsWith("GIF87a") && !in.startsWith("GIF89a")) return reading;
    Screen screen;
    const auto width = in.word();
    const auto height = in.word();
    const auto packed = in.byte();
    if (!width || !height || !packed || !in.skip(2)) return reading;  // background colour, aspect ratio
    const auto colours = in.take(ColourTableSize(*packed));
    if (!colours) return reading;
    screen = {*width, *height, *colours};

    int images = 0;
    bool transparent = false;
    std::optional<GifImage> image;
    for (;;) {
        const auto block = in.byte();
        if (!block) return reading;
        switch (*block) {
            case 0x2C:
                // Only a first image seen after no transparent colour can be
                // the plain kind; a second image makes the file another kind.
                if (!ImageIsWhole(in, screen, images == 0 && !transparent, image)) return reading;
                ++images;
                break;
            case 0x21: {
                const auto label = in.byte();
                const auto data = in.subBlocks();
                if (!label || !data) return reading;
                // A graphic control extension whose flags mark a transparent colour.
                if (*label == 0xF9 && !data->empty() && (static_cast<std::uint8_t>((*data)[0]) & 0x01) != 0) {
                    transparent = true;
                }
                break;
            }
            case 0x3B:
                reading.complete = images > 0;
                if (reading.complete && images == 1) reading.image = std::move(image);
                return reading;
            default:
                return reading;
        }
    }
}

}  // namespace torvel
