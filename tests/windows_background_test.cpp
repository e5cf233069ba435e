// The background picture: every kind of whole GIF passes the check and is
// decoded by Qt.
#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "windows/background_picture.h"
#include "windows/gif_check.h"
#include "windows_test_support.h"

namespace torvel::test {
namespace {

// A GIF of `width` x 1 pixels with a table of two colours and the codes
// (minimum code size 2) packed into `data`.
std::string TinyGif(char width, std::string_view data) {
    std::string gif("GIF89a", 6);
    gif += {width, 0, 1, 0, '\x80', 0, 0, 10, 20, 30, 40, 50, 60};
    gif += {',', 0, 0, 0, 0, width, 0, 1, 0, 0, 2, static_cast<char>(data.size())};
    return gif.append(data).append(std::string(1, '\0')).append(";");
}

TEST(BackgroundPicture, EveryKindOfWholePictureGetsQtsPixels) {
    GameFolder folder;
    const std::string shipped = folder.Read(QStringLiteral("fontvl.gif"));
    const auto packed = static_cast<std::uint8_t>(shipped[10]);
    ASSERT_TRUE(packed & 0x80) << "the shipped picture has a global colour table";
    const std::size_t image = 13 + 3 * (std::size_t{1} << ((packed & 0x07) + 1));
    ASSERT_EQ(shipped[image], ',');
    const std::string header = shipped.substr(0, image);
    const std::string block = shipped.substr(image, shipped.size() - 1 - image);

    std::string localTable = shipped.substr(0, 13) + block.substr(0, 10) + shipped.substr(13, image - 13) +
                             block.substr(10) + ";";
    localTable[10] = static_cast<char>(packed & 0x7F);
    localTable[13 + 9] = static_cast<char>(0x80 | (packed & 0x07));
    std::string interlaced = shipped;
    interlaced[image + 9] = static_cast<char>(interlaced[image + 9] | 0x40);
    std::string wider = shipped;
    ++wider[6];

    const struct {
        const char* what;
        std::string bytes;
    } pictures[] = {
        {"as shipped", shipped},
        {"with a colour table of its image's own", localTable},
        // Codes 4 (clear), 0, 6 (the entry being made), 0, 5 (end): four pixels of colour 0.
        {"a code for the entry being made", TinyGif(4, "\x84\x51")},
        {"with a transparent colour", header + std::string("\x21\xF9\x04\x01\x00\x00\x00\x00", 8) + block + ";"},
        {"interlaced", interlaced},
        {"on a wider screen", wider},
        {"with a second image", header + block + block + ";"},
        // Codes 4 (clear), 2, 0, 5 (end): colour 2 of a table of colours 0 and 1.
        {"a colour its table lacks", TinyGif(2, "\x14\x0A")},
    };
    for (const auto& picture : pictures) {
        SCOPED_TRACE(picture.what);
        ASSERT_TRUE(GifIsWhole(picture.bytes));
        QImage qt;
        ASSERT_TRUE(qt.loadFromData(reinterpret_cast<const uchar*>(picture.bytes.data()),
                                    static_cast<int>(picture.bytes.size()), "GIF"));
        folder.Write(QStringLiteral("fontvl.gif"), picture.bytes);
        // Size, format and every pixel.
        EXPECT_EQ(LoadBackgroundPicture(folder.path(QStringLiteral("fontvl.gif")).toStdString()), qt);
    }
}

}  // namespace
}  // namespace torvel::test
