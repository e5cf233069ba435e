// Reading the stored form of a window's buttons from its text.
#include "button/form/stored_form_parser.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "button/form/form_text.h"
#include "button/form/stored_form_error.h"
#include "common/utf8.h"
#include "common/file_bytes.h"
#include "common/line_reader.h"

namespace torvel {

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

void ExpectCount(const std::vector<std::string>& tokens, std::size_t count, std::string_view what) {
    if (tokens.size() != count) {
        throw FormSyntaxError("значение типа " + std::string(what) + ": ожидалось частей — " + std::to_string(count) +
                              ", найдено — " + std::to_string(tokens.size()));
    }
}

bool ParseFlag(const std::string& token) {
    if (token == "0") return false;
    if (token == "1") return true;
    throw FormSyntaxError("«" + token + "» — нужно 0 или 1");
}

double ParseSize(const std::string& token) {
    double size = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), size);
    if (error != std::errc() || end != token.data() + token.size() || !std::isfinite(size) || size <= 0) {
        throw FormSyntaxError("«" + token + "» — не размер шрифта");
    }
    return size;
}

FontAttributes ParseFont(std::string_view rest) {
    if (rest.empty() || rest.front() != '"') throw FormSyntaxError("имя шрифта пишется в кавычках");
    const std::vector<std::string> tokens = SplitTokens(rest);
    ExpectCount(tokens, 8, "font");
    FontAttributes font;
    font.name = tokens[0];
    font.size = ParseSize(tokens[1]);
    font.weight = static_cast<int>(ParseInteger(tokens[2], 16));
    font.charset = static_cast<int>(ParseInteger(tokens[3], 16));
    if (font.weight < 0 || font.weight > 1000) throw FormSyntaxError("толщина шрифта вне 0..1000");
    if (font.charset < 0 || font.charset > 255) throw FormSyntaxError("набор символов вне 0..255");
    font.bold = ParseFlag(tokens[4]);
    font.italic = ParseFlag(tokens[5]);
    font.underline = ParseFlag(tokens[6]);
    font.strikethrough = ParseFlag(tokens[7]);
    return font;
}

Picture ParsePicture(std::string_view rest, PictureLoader& pictures) {
    const std::vector<std::string> tokens = SplitTokens(rest);
    if (tokens.size() == 1 && tokens[0] == "none") return Picture();
    if (tokens.size() == 1 && tokens[0] == "empty") return Picture::Empty();
    if (tokens.size() == 2 && (tokens[0] == "bitmap" || tokens[0] == "icon")) {
        if (tokens[1].empty()) throw FormSyntaxError("пустое имя файла картинки");
        const auto type = tokens[0] == "bitmap" ? Picture::Type::Bitmap : Picture::Type::Icon;
        try {
            return pictures.Load(type, tokens[1]);
        } catch (const std::exception& e) {
            throw FormSyntaxError(std::string("картинка не загружена: ") + e.what());
        }
    }
    throw FormSyntaxError("картинка — это none, empty, bitmap ФАЙЛ или icon ФАЙЛ");
}

PropertyValue ParseValue(std::string_view type, std::string_view rest, PictureLoader& pictures) {
    if (rest.empty()) throw FormSyntaxError("нет значения");
    if (type == "string") return rest.front() == '"' ? Unquote(rest) : std::string(rest);
    if (type == "i16" || type == "i32") {
        const std::vector<std::string> tokens = SplitTokens(rest);
        ExpectCount(tokens, 1, type);
        if (type == "i16") return static_cast<std::int16_t>(ParseInteger(tokens[0], 16));
        return static_cast<std::int32_t>(ParseInteger(tokens[0], 32));
    }
    if (type == "bool") {
        if (rest == "true") return true;
        if (rest == "false") return false;
        throw FormSyntaxError("«" + std::string(rest) + "» — нужно true или false");
    }
    if (type == "font") return ParseFont(rest);
    if (type == "picture") return ParsePicture(rest, pictures);
    throw FormSyntaxError("неизвестный тип «" + std::string(type) + "»");
}

// Splits "key type rest" at the first two runs of blanks.
void SplitEntry(std::string_view line, std::string_view& key, std::string_view& type, std::string_view& rest) {
    std::size_t end = 0;
    while (end < line.size() && !IsBlank(line[end])) ++end;
    key = line.substr(0, end);
    line = TrimBlanks(line.substr(end));
    end = 0;
    while (end < line.size() && !IsBlank(line[end])) ++end;
    type = line.substr(0, end);
    rest = TrimBlanks(line.substr(end));
    if (type.empty()) throw FormSyntaxError("после ключа «" + std::string(key) + "» нет типа");
}

}  // namespace

StoredForm ParseStoredForm(std::string_view text, const std::string& fileName, PictureLoader& pictures) {
    if (text.starts_with(kUtf8Mark)) text.remove_prefix(kUtf8Mark.size());
    StoredForm form(fileName);
    PropertyBag* section = nullptr;
    int number = 0;
    for (const std::string& raw : SplitLines(text, std::numeric_limits<std::size_t>::max())) {
        ++number;
        try {
            if (!IsValidUtf8(raw)) throw FormSyntaxError("текст не в UTF-8");
            const std::string_view line = TrimBlanks(raw);
            if (line.empty() || line.front() == '#') continue;
            if (line.front() == '[') {
                if (line.back() != ']' || TrimBlanks(line.substr(1, line.size() - 2)).empty()) {
                    throw FormSyntaxError("заголовок кнопки пишется как [имя]");
                }
                try {
                    section = &form.Add(std::string(TrimBlanks(line.substr(1, line.size() - 2))));
                } catch (const std::invalid_argument& e) {
                    throw FormSyntaxError(e.what());
                }
                continue;
            }
            if (!section) throw FormSyntaxError("свойство до первого заголовка [имя]");
            std::string_view key;
            std::string_view type;
            std::string_view rest;
            SplitEntry(line, key, type, rest);
            if (section->Find(key)) throw FormSyntaxError("ключ «" + std::string(key) + "» повторяется");
            section->Put(key, ParseValue(type, rest, pictures));
        } catch (const FormSyntaxError& e) {
            throw StoredFormError(fileName, number, e.what());
        }
    }
    return form;
}

StoredForm LoadStoredForm(const std::string& path, PictureLoader& pictures) {
    return ParseStoredForm(ReadFileBytes(path), path, pictures);
}

}  // namespace torvel
