// Loading the button pictures the stored forms refer to, with Qt's decoders.
#pragma once

#include <QString>
#include <map>
#include <utility>

#include "button/host/picture_loader.h"

namespace torvel {

// References are relative to `root`, a directory or a Qt resource prefix
// such as ":/assets". Bitmaps are kept as .bmp files and cursors and icons
// as .png (alpha is kept for icons); the type comes from the stored form.
// A reference is decoded once and then shared.
class QtPictureLoader final : public PictureLoader {
public:
    explicit QtPictureLoader(QString root) : m_root(std::move(root)) {}

    // Throws DataFileError naming the file: "не найден" or "не удалось
    // прочитать изображение".
    Picture Load(Picture::Type type, const std::string& reference) override;

private:
    QString m_root;
    std::map<std::pair<Picture::Type, std::string>, Picture> m_loaded;
};

}  // namespace torvel
