// The optional files beside the word base: UTF-8 text, one entry a line.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace torvel {

// What became of one side file. A side file only adds to the game, so nothing
// in it stops the game: a file that cannot be read counts as empty, and a
// damaged line is passed over while the rest is used.
struct SideFileReport {
    std::string name;
    std::string problem;   // why the file, or the rest of it, was not read
    int skipped = 0;       // damaged lines passed over
    int firstSkipped = 0;  // the number of the first of them

    // A Russian note that names the file and what was wrong with it; empty
    // when nothing was.
    std::string Notice() const;
};

// Takes one line of a side file; false when the line is damaged.
using SideFileLine = std::function<bool(std::string_view line)>;

// Far more lines than any word base has words, and far longer lines than any
// entry: a file beyond them is not a side file, and is read no further.
inline constexpr std::size_t kSideFileMaxLines = 100000;
inline constexpr std::size_t kSideFileMaxLineLength = 4096;

// Hands every line of the file that is not blank to `take`, numbered from 1.
// A line ends at LF, CR LF or a lone CR. A missing file has no lines and is no
// problem; one that is not a plain file, or cannot be read, is.
SideFileReport ReadSideFile(const std::string& path, const SideFileLine& take);

// The same for a file's bytes, under the file name `name`.
SideFileReport SplitSideFile(std::string_view bytes, std::string name, const SideFileLine& take);

// The path of the side file `name` in the folder of the file at `besidePath`.
std::string SideFilePath(const std::string& besidePath, const std::string& name);

}  // namespace torvel
