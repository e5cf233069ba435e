// The table of best results: ten rows of a name and a score, and its file.
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace torvel {

// Row 0 is the top of the table. Names and scores are held as the file's
// Windows-1251 bytes, so that a cell that is never touched is written back
// byte for byte.
//
// The file is ten names, then ten scores, one per line. Lines end at CR LF, a
// lone CR or a lone LF when read, and are written with CR LF.
class RecordTable {
public:
    static constexpr int kRows = 10;
    static constexpr std::size_t kLines = 2 * kRows;

    // The longest cell, in bytes, that is read from the file or stored. A file
    // with a longer line is refused whole; a longer text given to a setter is
    // cut there, so that everything saved can be loaded again. Far beyond what
    // a name cell can show, and beyond the 32767 characters a line edit takes.
    static constexpr std::size_t kMaxCellBytes = 65536;

    // Asks the player for a name. Returns the text typed, in Windows-1251; an
    // empty text for Cancel.
    using NameQuestion = std::function<std::string()>;

    // How long a save waits for another copy of the game to finish its own.
    static constexpr std::chrono::milliseconds kLockWait{3000};

    explicit RecordTable(std::string path = "results.tvl", std::chrono::milliseconds lockWait = kLockWait);

    const std::string& path() const { return m_path; }

    // Reads the file into all twenty cells. Throws DataFileError when the file
    // is missing or unreadable, has fewer than twenty lines, or has a line
    // longer than kMaxCellBytes; the cells are then left as they were, but the
    // table no longer counts as loaded, so it cannot be saved over a file it
    // failed to read.
    void load();

    // True after a successful load, until a load fails.
    bool isLoaded() const { return m_loaded; }

    // True when the table is loaded and a result was entered or a cell
    // changed since the file was read or saved. Otherwise this copy has
    // nothing to save: a save would only write back what it read.
    bool hasUnsavedChanges() const;

    // Replaces the file atomically (see WriteFileAtomically), holding the lock
    // that every copy of the game takes for its save (FileLock). Under it, when
    // results were entered since the file was read and another copy has saved
    // since, those results are entered into the file's table as it is now, in
    // the order they came, each by findPosition's rule, and that table is
    // written; then it is this table too, and a cell changed by a setter is
    // given up for the other copy's. Otherwise the cells are written as they
    // are, whatever the file holds now, so a table without unsaved changes
    // is saved only to write it back on purpose. Either way nothing is
    // unsaved afterwards.
    //
    // Throws, leaving the file and this table as they were: FileBusyError when
    // the lock is not had within the wait given to the constructor;
    // DataFileError when the table is not loaded, the file as it is now cannot
    // be read, or it cannot be written.
    void save();

    // The row a new score is entered at: the first row whose score, read by
    // its leading number, is not greater (so the newest of equal scores stands
    // highest); none when every row's score is greater.
    std::optional<int> findPosition(double score) const;

    // Enters a result at `position`: the scores below move down one row (from
    // the bottom up, each rewritten as the number text of its leading number),
    // the new score's number text goes into the row, the names move down
    // unchanged, and only then is `askName` called for the row's name. The
    // last row drops out. Throws std::out_of_range for a position outside
    // 0..9 and std::invalid_argument for an empty question, changing nothing.
    // An exception from `askName` passes through with the rows already moved
    // and the row still holding the name it had.
    void insertRow(int position, double score, const NameQuestion& askName);

    // Both steps for a finished game: returns the row the score was entered
    // at, or none, in which case nothing changed and `askName` was not called.
    std::optional<int> enterResult(double score, const NameQuestion& askName);

    // Every cell accessor throws std::out_of_range for a row outside 0..9.

    // Stores Windows-1251 text in a cell. CR and LF become spaces, since a
    // line break in a cell would shift every later line of the file.
    void setName(int row, std::string_view text);
    void setScore(int row, std::string_view text);

    // The cells' Windows-1251 bytes, exactly as they will be saved.
    const std::string& nameBytes(int row) const;
    const std::string& scoreBytes(int row) const;

private:
    struct Rows {
        std::array<std::string, kRows> names;
        std::array<std::string, kRows> scores;
        bool operator==(const Rows&) const = default;
    };
    // A result entered since the last load or save, for entering it again
    // into a table another copy has saved meanwhile.
    struct Entry {
        double score;
        std::string name;
    };

    static Rows Read(const std::string& path);
    static std::optional<int> PositionIn(const Rows& rows, double score);
    static void Enter(Rows& rows, std::size_t position, double score);

    std::string m_path;
    std::chrono::milliseconds m_lockWait;
    Rows m_cells;
    Rows m_read;  // the file's lines as last read or saved
    std::vector<Entry> m_entered;
    bool m_loaded = false;
};

}  // namespace torvel
