// Words and cells between the game's Windows-1251 bytes and the screen's text.
// The game, the flow and the table of best results hold text as the data files
// do, one byte a letter; only the windows convert it, here.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace torvel {

QString FromCp1251(std::string_view bytes);

// Characters the code page cannot hold become '?'.
std::string ToCp1251(const QString& text);

}  // namespace torvel
