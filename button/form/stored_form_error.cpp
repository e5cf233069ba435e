// The error raised for a stored form that cannot be read, naming the line.
#include "button/form/stored_form_error.h"

namespace torvel {

StoredFormError::StoredFormError(std::string file, int line, const std::string& problem)
    : DataFileError(std::move(file), "строка " + std::to_string(line) + ": " + problem), m_line(line) {}

}  // namespace torvel
