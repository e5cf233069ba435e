// The error raised when one of the game's data files cannot be used.
#include "common/data_file_error.h"

namespace torvel {

DataFileError::DataFileError(std::string file, std::string problem)
    : std::runtime_error("Файл " + file + ": " + problem),
      m_file(std::move(file)),
      m_problem(std::move(problem)) {}

}  // namespace torvel
