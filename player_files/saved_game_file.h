// The unfinished game, saved after every move in saved-game.txt so that the
// next start can offer it back.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "game/game_position.h"

namespace torvel {

// The file is UTF-8, a version line and then "key<TAB>value" lines;
// docs/file-formats.md describes it. Words are converted between UTF-8 and
// Windows-1251 here.
class SavedGameFile {
public:
    static constexpr std::string_view kVersionLine = "torvel-saved-game 1";

    explicit SavedGameFile(std::string path = "saved-game.txt");

    const std::string& path() const { return m_path; }

    // Replaces the file atomically: a crash leaves the previous move's game
    // or this one, whole. Throws DataFileError, the file unchanged, when it
    // cannot be written or the user made it read-only.
    void Save(const GamePosition& game) const;

    // The saved game, or none when there is no file. Throws DataFileError
    // naming the file, and the line where there is one, when it cannot be
    // read or is not a saved game of this version: a line that is none of
    // the above, a key twice or missing, a word the game's code page cannot
    // hold, totals that are not the letters of the words.
    std::optional<GamePosition> Load() const;

    // Forgets the saved game; nothing to do without one. Throws DataFileError
    // when the file stays.
    void Remove() const;

    // Renames a file that cannot be read to the first free name of
    // "<file>.bad", "<file>.bad.2", … beside it, and returns that name, so
    // that nothing of it is lost and the next start is not troubled by it.
    // Throws DataFileError when it cannot.
    std::string MoveAside() const;

private:
    std::string m_path;
};

}  // namespace torvel
