// A font as the button's properties describe it, independent of any toolkit.
#pragma once

#include <string>

namespace torvel {

struct FontAttributes {
    std::string name = "MS Sans Serif";
    double size = 8.25;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;
    int weight = 400;
    int charset = 0;

    friend bool operator==(const FontAttributes&, const FontAttributes&) = default;
};

}  // namespace torvel
