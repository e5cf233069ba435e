// The unfinished game, saved after every move in saved-game.txt so that the
// next start can offer it back.
#include "player_files/saved_game_file.h"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <map>
#include <numeric>

#include "common/cp1251.h"
#include "common/data_file_error.h"
#include "common/line_reader.h"
#include "common/system_reason.h"
#include "game/word_base.h"
#include "common/atomic_write.h"

namespace torvel {

namespace {

namespace fs = std::filesystem;

// Every word of a game is a different line of the word base.
constexpr std::size_t kMaxLines = 2 * WordBase::kLines + 8;
constexpr std::size_t kMaxLineLength = 4 * WordBase::kMaxLineLength + 32;

// The keys that stand once, in the order they are written.
constexpr std::string_view kSource = "source";
constexpr std::string_view kTurn = "turn";
constexpr std::string_view kPlayerTotal = "player-total";
constexpr std::string_view kComputerTotal = "computer-total";
constexpr std::string_view kComputerLast = "computer-last";
constexpr std::string_view kOnceKeys[] = {kSource, kTurn, kPlayerTotal, kComputerTotal, kComputerLast};
constexpr std::string_view kPlayerTurn = "player";
constexpr std::string_view kPlayerWord = "player";
constexpr std::string_view kComputerWord = "computer";

void AddLine(std::string& text, std::string_view key, std::string_view value) {
    text.append(key).append("\t").append(value).append("\n");
}

int Letters(const std::vector<std::string>& words) {
    return std::accumulate(words.begin(), words.end(), 0,
                           [](int sum, const std::string& word) { return sum + static_cast<int>(word.size()); });
}

// Reads the saved game's lines; each problem names its line.
class Reader {
public:
    explicit Reader(const std::string& path) : m_path(path) {}

    GamePosition Read(const std::vector<std::string>& lines) {
        if (lines.empty() || lines.front() != SavedGameFile::kVersionLine) {
            throw DataFileError(m_path, "это не сохранённая партия этой версии игры");
        }
        if (lines.size() > kMaxLines) throw DataFileError(m_path, "слишком много строк");
        std::map<std::string_view, std::string> once;
        GamePosition game;
        for (std::size_t i = 1; i < lines.size(); ++i) {
            m_line = i + 1;
            const std::string& line = lines[i];
            if (line.size() > kMaxLineLength) Fail("строка слишком длинная");
            const std::size_t tab = line.find('\t');
            if (tab == std::string::npos) Fail("нет знака табуляции после названия");
            const std::string_view key = std::string_view(line).substr(0, tab);
            const std::string_view value = std::string_view(line).substr(tab + 1);
            if (key == kPlayerWord) {
                game.playerWords.push_back(Word(value));
            } else if (key == kComputerWord) {
                game.computerWords.push_back(Word(value));
            } else if (std::find(std::begin(kOnceKeys), std::end(kOnceKeys), key) == std::end(kOnceKeys)) {
                Fail("неизвестное название «" + std::string(key) + "»");
            } else if (!once.emplace(key, Word(value)).second) {
                Fail("«" + std::string(key) + "» второй раз");
            }
        }
        m_line = 0;
        for (const std::string_view key : kOnceKeys) {
            if (!once.contains(key)) Fail("нет строки «" + std::string(key) + "»");
        }
        game.sourceWord = once[kSource];
        if (game.sourceWord.empty()) Fail("исходное слово пустое");
        game.computerLastWord = once[kComputerLast];
        // Between two moves it is always the player's.
        if (once[kTurn] != kPlayerTurn) Fail("непонятно, чей ход");
        game.playerTotal = Total(once[kPlayerTotal], game.playerWords);
        game.computerTotal = Total(once[kComputerTotal], game.computerWords);
        return game;
    }

private:
    [[noreturn]] void Fail(const std::string& problem) const {
        throw DataFileError(m_path, m_line == 0 ? problem : "строка " + std::to_string(m_line) + ": " + problem);
    }

    // The word in the game's code page; a letter it cannot hold is no word
    // the game could have played.
    std::string Word(std::string_view utf8) const {
        std::string word = Utf8ToCp1251(utf8);
        if (Cp1251ToUtf8(word) != utf8) Fail("в слове есть знак, которого нет в словаре игры");
        return word;
    }

    // A total is the letters of the side's words, as the game counts them.
    int Total(const std::string& text, const std::vector<std::string>& words) const {
        if (text != std::to_string(Letters(words))) Fail("сумма букв " + text + " не сходится со словами");
        return Letters(words);
    }

    const std::string& m_path;
    std::size_t m_line = 0;
};

}  // namespace

SavedGameFile::SavedGameFile(std::string path) : m_path(std::move(path)) {}

void SavedGameFile::Save(const GamePosition& game) const {
    std::string text(kVersionLine);
    text += '\n';
    AddLine(text, kSource, Cp1251ToUtf8(game.sourceWord));
    AddLine(text, kTurn, kPlayerTurn);
    AddLine(text, kPlayerTotal, std::to_string(game.playerTotal));
    AddLine(text, kComputerTotal, std::to_string(game.computerTotal));
    AddLine(text, kComputerLast, Cp1251ToUtf8(game.computerLastWord));
    for (const std::string& word : game.playerWords) AddLine(text, kPlayerWord, Cp1251ToUtf8(word));
    for (const std::string& word : game.computerWords) AddLine(text, kComputerWord, Cp1251ToUtf8(word));
    WriteFileAtomically(m_path, text, "партия в него не сохранена");
}

std::optional<GamePosition> SavedGameFile::Load() const {
    std::error_code error;
    if (!fs::exists(m_path, error) && !error) return std::nullopt;
    return Reader(m_path).Read(ReadLeadingLines(m_path, kMaxLines + 1, kMaxLineLength));
}

void SavedGameFile::Remove() const {
    if (std::remove(m_path.c_str()) != 0 && errno != ENOENT) {
        throw DataFileError(m_path, "не удалось удалить: " + SystemReason(errno));
    }
}

std::string SavedGameFile::MoveAside() const {
    for (int attempt = 1; attempt <= 100; ++attempt) {
        std::string aside = m_path + ".bad";
        if (attempt > 1) aside.append(".").append(std::to_string(attempt));
        // Never over a file of that name, not even one made a moment ago.
        if (::renameat2(AT_FDCWD, m_path.c_str(), AT_FDCWD, aside.c_str(), RENAME_NOREPLACE) == 0) return aside;
        int error = errno;
        if (error == EEXIST) continue;
        if (error == EINVAL) {
            // A file system that cannot promise that: a look first will do.
            std::error_code ignored;
            if (fs::exists(fs::symlink_status(aside, ignored))) continue;
            if (std::rename(m_path.c_str(), aside.c_str()) == 0) return aside;
            error = errno;
        }
        throw DataFileError(m_path, "не удалось переименовать в " + aside + ": " + SystemReason(error));
    }
    throw DataFileError(m_path, "нет свободного имени, чтобы отложить его");
}

}  // namespace torvel
