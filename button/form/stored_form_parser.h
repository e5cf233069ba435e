// Reading the stored form of a window's buttons from its text.
//
// One key per line under a [Instance] header, with the value's type:
//
//   # comment
//   [cmdstart]
//   caption string Старт
//   buttonstyle i32 3
//   xpcolor_hover i32 0x00FFFFFF
//   font font "MS Sans Serif" 8.25 400 204 0 0 0 0
//   picture picture bitmap images/glyph_close.bmp
//
// Types: string (the rest of the line, or a quoted text), i16, i32 (decimal,
// or hexadecimal giving the bits), bool (true/false), font (quoted name, size
// in points, weight, character set, then 0/1 for bold, italic, underline,
// strikethrough), picture (none, empty, bitmap REF or icon REF, REF relative
// to the program's assets). The text is UTF-8; keys ignore letter case.
#pragma once

#include <string>
#include <string_view>

#include "button/form/stored_form.h"
#include "button/host/picture_loader.h"

namespace torvel {

// Throws StoredFormError naming `fileName` and the line for anything that does
// not follow the form, including a picture the loader cannot provide.
StoredForm ParseStoredForm(std::string_view text, const std::string& fileName, PictureLoader& pictures);

// Reads the file at `path` and parses it; a missing file is a DataFileError.
StoredForm LoadStoredForm(const std::string& path, PictureLoader& pictures);

}  // namespace torvel
