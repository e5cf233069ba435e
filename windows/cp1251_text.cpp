// Words and cells between the game's Windows-1251 bytes and the screen's text.
#include "windows/cp1251_text.h"

#include <QList>

#include "common/cp1251.h"

namespace torvel {

QString FromCp1251(std::string_view bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    // Every character of the code page lies in the Basic Multilingual Plane.
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char32_t code = Cp1251ToUnicode(static_cast<unsigned char>(bytes[i]));
        text[static_cast<qsizetype>(i)] = QChar(static_cast<char16_t>(code));
    }
    return text;
}

std::string ToCp1251(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t code : text.toUcs4()) {
        const auto byte = UnicodeToCp1251(code);
        bytes += byte ? static_cast<char>(*byte) : '?';
    }
    return bytes;
}

}  // namespace torvel
