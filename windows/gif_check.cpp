// Telling a whole GIF picture from a cut or broken one.
#include "windows/gif_check.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace torvel {

namespace {

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

// Walks the LZW codes of one image. True when every code is one the decoder
// can know at that point, the end code comes, and the strings add up to
// exactly `pixels`.
bool CodesFillTheImage(std::string_view data, unsigned minCodeSize, std::uint64_t pixels) {
    constexpr unsigned kMaxCodes = 4096;
    constexpr unsigned kNoCode = kMaxCodes;
    const unsigned clear = 1u << minCodeSize;
    const unsigned end = clear + 1;
    // The length of each code's string.
    std::array<std::uint32_t, kMaxCodes> lengths{};
    for (unsigned code = 0; code < clear; ++code) lengths[code] = 1;
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
                // The previous string and the first index of this one.
                lengths[next] = lengths[previous] + 1;
                ++next;
                if (next == (1u << size) && size < 12) ++size;
            }
        }
        decoded += length;
        if (decoded > pixels) return false;
        previous = code;
    }
}

// Reads one image from its descriptor on; true when it is whole.
bool ImageIsWhole(Bytes& in) {
    const auto left = in.word();
    const auto top = in.word();
    const auto width = in.word();
    const auto height = in.word();
    const auto packed = in.byte();
    if (!left || !top || !width || !height || !packed) return false;
    const auto minCodeSize = in.skip(ColourTableSize(*packed)) ? in.byte() : std::nullopt;
    if (!minCodeSize || *minCodeSize < 1 || *minCodeSize > 11) return false;
    const auto data = in.subBlocks();
    return data && CodesFillTheImage(*data, *minCodeSize, std::uint64_t{*width} * *height);
}

}  // namespace

bool GifIsWhole(std::string_view bytes) {
    Bytes in(bytes);
    if (!in.startsWith("GIF87a") && !in.startsWith("GIF89a")) return false;
    // The screen's size, its colour table's flags, background colour and
    // aspect ratio, then the table.
    const auto packed = in.skip(4) ? in.byte() : std::nullopt;
    if (!packed || !in.skip(2) || !in.skip(ColourTableSize(*packed))) return false;
    int images = 0;
    for (;;) {
        const auto block = in.byte();
        if (!block) return false;
        switch (*block) {
            case 0x2C:
                if (!ImageIsWhole(in)) return false;
                ++images;
                break;
            case 0x21:
                // An extension: its label, then its data.
                if (!in.byte() || !in.subBlocks()) return false;
                break;
            case 0x3B:
                return images > 0;
            default:
                return false;
        }
    }
}

}  // namespace torvel
