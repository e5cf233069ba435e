// The word base wmbase.txt: the game's dictionary, loaded once and indexed.
#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace torvel {

class RandomSource;

// One word per line, Windows-1251, exactly kLines lines used. A line is kept as
// it stands (spaces and case included) and compared byte for byte. Lines are
// numbered from 1.
//
// The file is read on the first call that needs it and then kept in memory;
// every query answers as if the file were read afresh from its first line. A
// file that cannot be used raises DataFileError naming the file and the problem.
//
// Lines longer than kMaxSourceLength are kept: no entry that passes the letter
// test can be that long, the computer's letter test rejects them and the draw
// skips them, so they can never be played, yet the lookup stays exact for any
// text. A line longer than kMaxLineLength is no word of any language and marks
// a wrong file; it is refused, which also bounds the memory a bad file costs.
class WordBase {
public:
    static constexpr int kLines = 11031;
    static constexpr std::size_t kMinSourceLength = 9;
    static constexpr std::size_t kMaxSourceLength = 20;
    static constexpr std::size_t kMaxLineLength = 1000;

    // Nothing is read until the first query.
    explicit WordBase(std::string path = "wmbase.txt");

    // A base parsed at once from the bytes of a file; `name` is the file name
    // that errors report. Throws DataFileError for a malformed base.
    static WordBase FromBytes(std::string_view bytes, std::string name);

    WordBase(WordBase&&) = default;
    WordBase& operator=(WordBase&&) = default;
    WordBase(const WordBase&) = delete;
    WordBase& operator=(const WordBase&) = delete;

    const std::string& path() const { return m_path; }

    // Reads the file now if it has not been read yet.
    void Load();

    // Draws a source word: reseeds `random`, then repeatedly takes
    // n = int(r × kLines) and the n-th line, until that line has between
    // kMinSourceLength and kMaxSourceLength characters. n = 0 reads no line and
    // keeps the previous attempt's candidate, which was already refused, so it
    // simply costs one more number. Line kLines is never drawn. Throws
    // DataFileError at once if no line 1 to kLines − 1 could ever be drawn.
    std::string DrawSourceWord(RandomSource& random);

    // The lookup: does some line 1 to kLines equal `word` exactly?
    bool proverca(std::string_view word);

    // The number of the first line that equals `word` exactly, if any.
    std::optional<int> FirstLine(std::string_view word);

    // Line `number`, 1 to kLines.
    const std::string& Line(int number);

    // The first line holding the same text as line `number`: one number for
    // every word, whichever of its lines is asked about.
    int FirstLineOf(int number);

    // The numbers, in ascending order, of the lines whose letters the source
    // word can supply (each byte no more often than in `source`). The empty
    // line fits every source word.
    std::vector<int> FittingLines(std::string_view source);

    // Every byte that occurs in lines 1 to kLines, gathered as the file is read.
    const std::bitset<256>& BytesUsed();

private:
    void Index(std::vector<std::string> lines);

    std::string m_path;
    bool m_loaded = false;
    std::vector<std::string> m_lines;
    std::vector<std::uint64_t> m_masks;
    std::vector<std::uint16_t> m_lengths;
    std::vector<int> m_firstLineOf;
    std::unordered_map<std::string_view, int> m_firstLine;  // views into m_lines
    int m_drawable = 0;
    std::bitset<256> m_bytesUsed;
};

}  // namespace torvel
