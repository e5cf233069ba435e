// The player's history: every evaluated game, one line each, in history.txt.
#include "player_files/game_history.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <filesystem>
#include <optional>
#include <utility>

#include "common/cp1251.h"
#include "common/data_file_error.h"
#include "common/file_bytes.h"
#include "common/system_reason.h"

namespace torvel {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kFields = 10;

constexpr std::string_view kVerdicts[] = {"победа", "поражение", "ничья"};
constexpr Verdict kVerdictValues[] = {Verdict::Win, Verdict::Loss, Verdict::Draw};

std::string_view VerdictWord(Verdict verdict) {
    const auto* found = std::find(std::begin(kVerdictValues), std::end(kVerdictValues), verdict);
    return kVerdicts[found - std::begin(kVerdictValues)];
}

// A field never holds the separators: a word with a tab (a word base may have
// one) is written with a space instead.
std::string Field(std::string_view text) {
    std::string field(text);
    std::replace_if(field.begin(), field.end(), [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
    return field;
}

std::string LineOf(const HistoryEntry& game) {
    std::string line = Field(game.when);
    for (const std::string& field :
         {Field(Cp1251ToUtf8(game.sourceWord)), std::string(VerdictWord(game.verdict)), std::to_string(game.points),
          std::to_string(game.playerTotal), std::to_string(game.computerTotal), std::to_string(game.playerWords),
          std::to_string(game.computerWords), std::to_string(game.averageLength),
          Field(Cp1251ToUtf8(game.longestWord))}) {
        line += '\t';
        line += field;
    }
    line += '\n';
    return line;
}

// The fields of a line; none unless there are exactly kFields.
std::optional<std::array<std::string_view, kFields>> SplitFields(std::string_view line) {
    std::array<std::string_view, kFields> fields;
    std::size_t start = 0;
    for (std::size_t i = 0; i < kFields; ++i) {
        const std::size_t tab = line.find('\t', start);
        if ((tab == std::string_view::npos) != (i + 1 == kFields)) return std::nullopt;
        fields[i] = line.substr(start, tab - start);
        start = tab + 1;
    }
    return fields;
}

std::optional<int> Number(std::string_view text, bool mayBeNegative) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    if (value < 0 && !mayBeNegative) return std::nullopt;
    return value;
}

// "2026-05-04 18:22:10".
bool IsTime(std::string_view text) {
    constexpr std::string_view kShape = "dddd-dd-dd dd:dd:dd";
    return text.size() == kShape.size() &&
           std::equal(text.begin(), text.end(), kShape.begin(), [](char c, char shape) {
               return shape == 'd' ? c >= '0' && c <= '9' : c == shape;
           });
}

Verdict VerdictOf(int player, int computer) {
    if (player > computer) return Verdict::Win;
    if (player < computer) return Verdict::Loss;
    return Verdict::Draw;
}

// A game's line, or none when it cannot be read: a field missing or too
// many, a number that is none, a word the game's code page cannot hold, or a
// verdict the totals contradict.
std::optional<HistoryEntry> ParseLine(std::string_view line) {
    const std::optional<std::array<std::string_view, kFields>> split = SplitFields(line);
    if (!split) return std::nullopt;
    const std::array<std::string_view, kFields>& fields = *split;
    if (!IsTime(fields[0]) || fields[1].empty()) return std::nullopt;
    const auto* verdict = std::find(std::begin(kVerdicts), std::end(kVerdicts), fields[2]);
    if (verdict == std::end(kVerdicts)) return std::nullopt;
    std::optional<int> numbers[6];
    numbers[0] = Number(fields[3], true);
    for (std::size_t i = 1; i < 6; ++i) numbers[i] = Number(fields[3 + i], false);
    if (std::any_of(std::begin(numbers), std::end(numbers), [](const auto& n) { return !n; })) return std::nullopt;
    std::optional<std::string> words[] = {Utf8ToCp1251Exactly(fields[1]), Utf8ToCp1251Exactly(fields[9])};
    if (!words[0] || !words[1]) return std::nullopt;

    HistoryEntry game{.when = std::string(fields[0]),
                      .sourceWord = std::move(*words[0]),
                      .verdict = kVerdictValues[verdict - std::begin(kVerdicts)],
                      .points = *numbers[0],
                      .playerTotal = *numbers[1],
                      .computerTotal = *numbers[2],
                      .playerWords = *numbers[3],
                      .computerWords = *numbers[4],
                      .averageLength = *numbers[5],
                      .longestWord = std::move(*words[1])};
    if (game.verdict != VerdictOf(game.playerTotal, game.computerTotal)) return std::nullopt;
    return game;
}

std::string_view WithoutByteOrderMark(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    return text;
}

std::string_view WithoutCr(std::string_view line) {
    if (line.ends_with('\r')) line.remove_suffix(1);
    return line;
}

// Owns a descriptor; every failure names the history file.
class AppendingFile {
public:
    explicit AppendingFile(const std::string& path) : m_path(path) {
        m_fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
        if (m_fd < 0) Fail("не удалось открыть для записи", errno);
    }
    AppendingFile(const AppendingFile&) = delete;
    AppendingFile& operator=(const AppendingFile&) = delete;
    ~AppendingFile() {
        if (m_fd >= 0) ::close(m_fd);
    }

    off_t Size() const {
        struct stat file {};
        if (::fstat(m_fd, &file) != 0) Fail("не удалось прочитать", errno);
        return file.st_size;
    }

    // `size` bytes from `offset`, fewer at the end of the file.
    std::string ReadAt(off_t offset, std::size_t size) const {
        std::string bytes(size, '\0');
        ssize_t got;
        do got = ::pread(m_fd, bytes.data(), size, offset);
        while (got < 0 && errno == EINTR);
        if (got < 0) Fail("не удалось прочитать", errno);
        bytes.resize(static_cast<std::size_t>(got));
        return bytes;
    }

    // Appends all of `bytes` and flushes them to the disk, or cuts the file
    // back to `oldSize` and throws.
    void Append(std::string_view bytes, off_t oldSize) {
        std::string_view rest = bytes;
        while (!rest.empty()) {
            const ssize_t written = ::write(m_fd, rest.data(), rest.size());
            if (written < 0 && errno == EINTR) continue;
            if (written < 0) TakeBack(oldSize, "не удалось дописать");
            rest.remove_prefix(static_cast<std::size_t>(written));
        }
        if (::fsync(m_fd) != 0) TakeBack(oldSize, "не удалось записать на диск");
        const int fd = std::exchange(m_fd, -1);
        // close() can be the first to report a failed write on network file systems.
        if (::close(fd) != 0) Fail("не удалось дописать", errno);
    }

private:
    [[noreturn]] void TakeBack(off_t oldSize, const std::string& what) {
        const int error = errno;
        if (::ftruncate(m_fd, oldSize) == 0) ::fsync(m_fd);
        Fail(what, error);
    }

    [[noreturn]] void Fail(const std::string& what, int error) const {
        throw DataFileError(m_path, what + ": " + SystemReason(error) + ", партия в историю не записана");
    }

    const std::string& m_path;
    int m_fd = -1;
};

}  // namespace

GameHistory::GameHistory(std::string path) : m_path(std::move(path)) {}

void GameHistory::Append(const HistoryEntry& game) const {
    // Appending is no replacing, but a file the user made read-only is
    // still not to be written; root could open it anyway.
    struct stat existing {};
    if (::stat(m_path.c_str(), &existing) == 0 && S_ISREG(existing.st_mode) &&
        (existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        throw DataFileError(m_path, "доступен только для чтения, партия в историю не записана");
    }
    AppendingFile file(m_path);
    const off_t size = file.Size();
    std::string bytes;
    if (size == 0) {
        bytes.append(kVersionLine).append("\n");
    } else {
        const std::string start = file.ReadAt(0, kByteOrderMark.size() + kVersionLine.size() + 2);
        const std::string_view first = WithoutByteOrderMark(start);
        if (WithoutCr(first.substr(0, first.find('\n'))) != kVersionLine) {
            throw DataFileError(m_path, "это не история партий этой версии игры, партия в него не записана");
        }
        if (file.ReadAt(size - 1, 1) != "\n") bytes += '\n';
    }
    bytes += LineOf(game);
    file.Append(bytes, size);
}

HistoryReading GameHistory::Read() const {
    std::error_code error;
    if (!std::filesystem::exists(m_path, error) && !error) return {};
    const std::string bytes = ReadFileBytes(m_path);
    std::string_view text = WithoutByteOrderMark(bytes);
    HistoryReading reading;
    for (int number = 1; !text.empty(); ++number) {
        const std::size_t end = text.find('\n');
        const std::string_view line = WithoutCr(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (number == 1) {
            if (line != kVersionLine) throw DataFileError(m_path, "это не история партий этой версии игры");
            continue;
        }
        if (line.empty()) continue;
        if (std::optional<HistoryEntry> game = ParseLine(line)) {
            reading.games.push_back(std::move(*game));
        } else {
            reading.skippedLines.push_back(number);
        }
    }
    return reading;
}

std::string LocalTimeText(std::time_t time) {
    std::tm local{};
    localtime_r(&time, &local);
    char text[32];
    const std::size_t length = std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
    return std::string(text, length);
}

}  // namespace torvel
