// Property values of a button as texts, so that tests compare whole tables.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>

#include "button/model/vantor_button_model.h"

namespace torvel::testing {

inline std::string Text(bool value) { return value ? "true" : "false"; }
inline std::string Text(std::int32_t value) { return std::to_string(value); }
inline std::string Hex(Colour value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08X", value);
    return buffer;
}
inline std::string Text(const Picture& picture) {
    if (picture.isNone()) return "none";
    if (picture.isEmpty()) return "empty";
    return (picture.type() == Picture::Type::Icon ? "icon " : "bitmap ") + picture.source();
}
inline std::string Text(const FontAttributes& f) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, "%s %g %d %d %d%d%d%d", f.name.c_str(), f.size, f.weight, f.charset, f.bold,
                  f.italic, f.underline, f.strikethrough);
    return buffer;
}

// Every public property and member of the button, by name.
inline std::map<std::string, std::string> Properties(const VantorButtonModel& b) {
    return {
        {"Enabled", Text(b.Enabled())},
        {"Font", Text(b.Font())},
        {"hwnd", Text(b.hwnd())},
        {"MousePointer", Text(b.MousePointer())},
        {"MouseIcon", Text(b.MouseIcon())},
        {"ShowFocusRect", Text(b.ShowFocusRect())},
        {"URL", b.URL()},
        {"Caption", b.Caption()},
        {"ButtonStyle", Text(b.ButtonStyle())},
        {"PicturePosition", Text(b.PicturePosition())},
        {"Picture", Text(b.Picture())},
        {"PictureWidth", Text(b.PictureWidth())},
        {"PictureHeight", Text(b.PictureHeight())},
        {"PictureSize", Text(b.PictureSize())},
        {"PictureHover", Text(b.PictureHover())},
        {"XPColor_Pressed", Hex(b.XPColor_Pressed())},
        {"XPColor_Hover", Hex(b.XPColor_Hover())},
        {"XPDefaultColors", Text(b.XPDefaultColors())},
        {"BackColor", Hex(b.BackColor())},
        {"ForeColor", Hex(b.ForeColor())},
        {"SoundOver", b.SoundOver()},
        {"SoundClick", b.SoundClick()},
        {"version", b.version()},
        {"DefCurHand", Text(b.DefCurHand())},
        {"XPShowBorderAlways", Text(b.XPShowBorderAlways())},
        {"MaskColor", Hex(b.MaskColor())},
        {"TransparentBG", Text(b.TransparentBG())},
        {"BEVEL", Text(b.BEVEL())},
        {"BEVELDEPTH", Text(b.BEVELDEPTH())},
        {"g_Font", Text(b.g_Font().Attributes())},
        {"normalPicture", Text(b.normalPicture())},
        {"OriginalPicSizeW", Text(b.OriginalPicSizeW())},
        {"OriginalPicSizeH", Text(b.OriginalPicSizeH())},
    };
}

// Compares the named entries only; the others are left to other checks.
inline void ExpectProperties(const VantorButtonModel& b, const std::map<std::string, std::string>& expected) {
    const auto actual = Properties(b);
    for (const auto& [name, value] : expected) {
        ASSERT_TRUE(actual.count(name)) << name;
        EXPECT_EQ(actual.at(name), value) << name;
    }
}

}  // namespace torvel::testing
