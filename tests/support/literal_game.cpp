// The game's rules rendered word for word, as the reference the engine is
// checked against.
#include "tests/support/literal_game.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "common/data_file_error.h"
#include "results/leading_number.h"
#include "results/number_text.h"
#include "game/random_source.h"

namespace torvel {

namespace {

constexpr int kBaseLines = 11031;

// A text file opened for sequential reading, one line at a time. CR LF, a lone
// CR and a lone LF end a line; reading past the end is an error.
class LineFile {
public:
    explicit LineFile(std::string path)
        : m_path(std::move(path)), m_file(std::fopen(m_path.c_str(), "rb")) {
        if (m_file == nullptr) throw DataFileError(m_path, "не найден");
    }
    ~LineFile() { std::fclose(m_file); }
    LineFile(const LineFile&) = delete;
    LineFile& operator=(const LineFile&) = delete;

    std::string ReadLine() {
        if (!Fill()) throw DataFileError(m_path, "чтение за концом файла");
        std::string line;
        for (;;) {
            const char* begin = m_buffer.data() + m_next;
            const char* end = m_buffer.data() + m_size;
            const char* stop = begin;
            while (stop != end && *stop != '\r' && *stop != '\n') ++stop;
            line.append(begin, stop);
            m_next += static_cast<std::size_t>(stop - begin);
            if (stop != end) break;
            if (!Fill()) return line;
        }
        const char terminator = m_buffer[m_next++];
        if (terminator == '\r' && Fill() && m_buffer[m_next] == '\n') ++m_next;
        return line;
    }

private:
    // Makes sure an unread byte is buffered; false at the end of the file.
    bool Fill() {
        if (m_next < m_size) return true;
        m_size = std::fread(m_buffer.data(), 1, m_buffer.size(), m_file);
        m_next = 0;
        return m_size > 0;
    }

    std::string m_path;
    std::FILE* m_file;
    std::array<char, 1 << 16> m_buffer{};
    std::size_t m_size = 0;
    std::size_t m_next = 0;
};

}  // namespace

LiteralGame::LiteralGame(std::string path, RandomSource& random)
    : m_path(std::move(path)), m_random(random) {}

void LiteralGame::Start() {
    m_random.Reseed();
    std::string candidate;
    for (;;) {
        LineFile file(m_path);
        const int n = static_cast<int>(std::floor(m_random.Next() * kBaseLines));
        for (int k = 1; k <= n; ++k) candidate = file.ReadLine();
        if (candidate.size() > 8 && candidate.size() <= 20) break;
    }
    m_label1 = candidate;
    for (auto& slot : m_words) slot.clear();
    m_words[0] = m_label1;
    m_text2.clear();
    m_text3.clear();
    m_label2 = "0";
    m_label3 = "0";
    m_wordcount = 0;
}

bool LiteralGame::PlaceLetters(std::string_view word) {
    for (const char letter : word) {
        bool placed = false;
        for (std::size_t k = 1; k <= m_label1.size(); ++k) {
            if (m_label1[k - 1] == letter && m_used[k] == 0) {
                m_used[k] = 1;
                placed = true;
                break;
            }
        }
        if (!placed) return false;
    }
    return true;
}

EntryOutcome LiteralGame::entr(std::string_view text1) {
    EntryOutcome outcome;
    m_found = 0;
    m_used.fill(0);
    if (!text1.empty() && !PlaceLetters(text1)) {
        outcome.result = EntryResult::LetterMissing;
        return outcome;
    }
    m_curword = text1;
    proverca();
    if (m_found == 0) {
        outcome.result = EntryResult::UnknownWord;
        return outcome;
    }
    outcome.clearEntry = true;
    for (const auto& slot : m_words) {
        if (slot == m_curword) {
            outcome.result = EntryResult::AlreadyPlayed;
            return outcome;
        }
    }
    for (auto& slot : m_words) {
        if (slot.empty()) {
            slot = m_curword;
            break;
        }
    }
    m_label2 = NumberText(LeadingNumber(m_label2) + static_cast<double>(m_curword.size()));
    m_text2 = m_curword + "\r\n" + m_text2;
    ++m_wordcount;
    outcome.computerMove = pchod();
    return outcome;
}

void LiteralGame::proverca() {
    m_found = 0;
    LineFile file(m_path);
    for (int i = 1; i <= kBaseLines; ++i) {
        if (file.ReadLine() == m_curword) m_found = 1;
    }
}

MoveOutcome LiteralGame::pchod() {
    MoveOutcome outcome;
    LineFile file(m_path);
    const double start = std::floor(m_random.Next() * 5000);
    for (int i = 1; i <= kBaseLines; ++i) {
        if (i == kBaseLines) outcome.evaluation = endgame();
        const std::string candidate = file.ReadLine();
        if (i <= start) continue;
        m_used.fill(0);
        if (!PlaceLetters(candidate)) continue;
        bool played = false;
        for (const auto& slot : m_words) played = played || slot == candidate;
        if (played) continue;
        for (auto& slot : m_words) {
            if (slot.empty()) {
                slot = candidate;
                break;
            }
        }
        m_text3 = candidate + "\r\n" + m_text3;
        m_label3 = NumberText(static_cast<double>(candidate.size()) + LeadingNumber(m_label3));
        m_label7 = candidate;
        outcome.word = candidate;
        return outcome;
    }
    return outcome;
}

Evaluation LiteralGame::endgame() {
    const double p = LeadingNumber(m_label2);
    const double c = LeadingNumber(m_label3);
    Verdict verdict = Verdict::Draw;
    double bonus = 0;
    if (p > c) {
        verdict = Verdict::Win;
        bonus = 100;
    }
    if (p < c) {
        verdict = Verdict::Loss;
        bonus = -100;
    }
    const double d = std::abs(p - c);
    double a = 0;
    if (m_wordcount != 0) a = std::floor(p / m_wordcount + 0.5);
    m_points = bonus + p + 10 * d + 20 * a;
    const auto whole = [](double value) { return static_cast<int>(value); };
    return {verdict, whole(p), whole(c), m_wordcount, whole(d), whole(a), whole(m_points)};
}

}  // namespace torvel
