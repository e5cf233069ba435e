// The error raised for a stored form that cannot be read, naming the line.
#pragma once

#include <string>

#include "common/data_file_error.h"

namespace torvel {

class StoredFormError : public DataFileError {
public:
    // `line` counts from 1.
    StoredFormError(std::string file, int line, const std::string& problem);

    int line() const { return m_line; }

private:
    int m_line;
};

}  // namespace torvel
