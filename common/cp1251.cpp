// Windows-1251, the single-byte code page of the game's data files.
#include "common/cp1251.h"

#include <array>
#include <cstdint>

#include "common/utf8.h"

namespace torvel {

namespace {

// Unicode of bytes 0x80..0xFF. Byte 0x98 is unassigned; it maps to U+0098 so
// that every byte survives a round trip.
constexpr std::array<char16_t, 128> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

// Small letters of the upper half whose capitals lie outside the alphabet
// block 0xC0..0xFF, as pairs (small, capital).
constexpr std::array<std::array<unsigned char, 2>, 15> kOtherCapitals = {{
    {0x83, 0x81}, {0x90, 0x80}, {0x9A, 0x8A}, {0x9C, 0x8C}, {0x9D, 0x8D},
    {0x9E, 0x8E}, {0x9F, 0x8F}, {0xA2, 0xA1}, {0xB3, 0xB2}, {0xB4, 0xA5},
    {0xB8, 0xA8}, {0xBA, 0xAA}, {0xBC, 0xA3}, {0xBE, 0xBD}, {0xBF, 0xAF},
}};

// The text in the code page, with `lost` for each character the code page
// lacks, or nothing when there is no `lost`. A malformed byte decodes as
// U+FFFD, which the code page lacks too.
std::optional<std::string> InCodePage(std::string_view utf8, std::optional<char> lost) {
    std::string out;
    out.reserve(utf8.size());
    for (const char32_t code : DecodeUtf8(utf8)) {
        const std::optional<unsigned char> byte = UnicodeToCp1251(code);
        if (!byte && !lost) return std::nullopt;
        out += byte ? static_cast<char>(*byte) : *lost;
    }
    return out;
}

}  // namespace

char32_t Cp1251ToUnicode(unsigned char byte) {
    return byte < 0x80 ? byte : kHighHalf[byte - 0x80];
}

std::optional<unsigned char> UnicodeToCp1251(char32_t code) {
    if (code < 0x80) return static_cast<unsigned char>(code);
    if (code >= 0x0410 && code <= 0x044F) return static_cast<unsigned char>(code - 0x0410 + 0xC0);
    for (std::size_t i = 0; i < kHighHalf.size(); ++i) {
        if (kHighHalf[i] == code) return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

std::string Cp1251ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char byte : bytes) AppendUtf8(out, Cp1251ToUnicode(static_cast<unsigned char>(byte)));
    return out;
}

std::string Utf8ToCp1251(std::string_view utf8) { return *InCodePage(utf8, '?'); }

std::optional<std::string> Utf8ToCp1251Exactly(std::string_view utf8) { return InCodePage(utf8, std::nullopt); }

unsigned char Cp1251ToUpper(unsigned char byte) {
    if (byte >= 'a' && byte <= 'z') return static_cast<unsigned char>(byte - 'a' + 'A');
    if (byte >= 0xE0) return static_cast<unsigned char>(byte - 0x20);
    for (const auto& pair : kOtherCapitals) {
        if (pair[0] == byte) return pair[1];
    }
    return byte;
}

unsigned char Cp1251ToLower(unsigned char byte) {
    if (byte >= 'A' && byte <= 'Z') return static_cast<unsigned char>(byte - 'A' + 'a');
    if (byte >= 0xC0 && byte < 0xE0) return static_cast<unsigned char>(byte + 0x20);
    for (const auto& pair : kOtherCapitals) {
        if (pair[1] == byte) return pair[0];
    }
    return byte;
}

char32_t UpperThroughCp1251(char32_t code) {
    const auto byte = UnicodeToCp1251(code);
    return byte ? Cp1251ToUnicode(Cp1251ToUpper(*byte)) : code;
}

}  // namespace torvel
