// The error raised when one of the game's data files cannot be used.
#pragma once

#include <stdexcept>
#include <string>

namespace torvel {

// Names the file and what is wrong with it, in Russian, so that a window can
// show what() to the player as it stands.
class DataFileError : public std::runtime_error {
public:
    DataFileError(std::string file, std::string problem);

    const std::string& file() const { return m_file; }
    const std::string& problem() const { return m_problem; }

private:
    std::string m_file;
    std::string m_problem;
};

}  // namespace torvel
