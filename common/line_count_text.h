// A count of lines in words, for messages about data files.
#pragma once

#include <cstddef>
#include <string>

namespace torvel {

// The count with the noun in the form Russian gives it after that number:
// "1 строка", "3 строки", "11 строк", "21 строка".
std::string LineCountText(std::size_t count);

}  // namespace torvel
