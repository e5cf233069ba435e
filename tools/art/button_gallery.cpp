// Renders every button style in every state to one PNG sheet, straight from
// the painter, for looking the painting over.
//
//     button_gallery [output.png] [--scale N] [--ratio R]
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "button/paint/button_painter.h"
#include "button/paint/device_grid.h"
#include "button/paint/image_pixels.h"
#include "button/paint/paint_input.h"
#include "button/paint/parent_background.h"
#include "button/qt/qt_text_renderer.h"

namespace {

using namespace torvel;

constexpr int kCellWidth = 132;
constexpr int kCellHeight = 40;
constexpr int kLabelWidth = 170;
constexpr int kHeaderHeight = 22;
constexpr QRgb kSheetColour = qRgb(236, 233, 216);

struct State {
    const char* name;
    void (*apply)(PaintInput&);
};

const State kStates[] = {
    {"rest", [](PaintInput&) {}},
    {"hovered", [](PaintInput& in) { in.hovered = 1; }},
    {"pressed",
     [](PaintInput& in) {
         in.pressed = 1;
         in.hovered = 1;
     }},
    {"focused", [](PaintInput& in) { in.focused = 1; }},
    {"focused+hovered",
     [](PaintInput& in) {
         in.focused = 1;
         in.hovered = 1;
     }},
    {"disabled", [](PaintInput& in) { in.Enabled = false; }},
    {"default", [](PaintInput& in) { in.isDefault = true; }},
};

// A 16 x 16 bitmap on black (the default MaskColor): a blue disc with a
// white highlight and a dark-red frame.
Picture SampleBitmap() {
    Image image{16, 16, std::vector<std::uint32_t>(256, 0xFF000000u)};
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const int dx = 2 * x - 15;
            const int dy = 2 * y - 15;
            const int r2 = dx * dx + dy * dy;
            std::uint32_t& p = image.pixels[static_cast<std::size_t>(y * 16 + x)];
            if (r2 <= 13 * 13) p = 0xFF2050D0u;
            if (r2 > 11 * 11 && r2 <= 15 * 15) p = 0xFF801010u;
            if (x >= 4 && x <= 6 && y >= 4 && y <= 6) p = 0xFFFFFFFFu;
        }
    }
    return Picture::FromImage(Picture::Type::Bitmap, image);
}

// A 16 x 16 icon with its own transparency: a green diamond.
Picture SampleIcon() {
    Image image{16, 16, std::vector<std::uint32_t>(256, 0x00000000u)};
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const int d = std::abs(2 * x - 15) + std::abs(2 * y - 15);
            if (d <= 15) image.pixels[static_cast<std::size_t>(y * 16 + x)] = d <= 9 ? 0xFF30A030u : 0xFF105010u;
        }
    }
    return Picture::FromImage(Picture::Type::Icon, image);
}

// The two 9 x 9 window glyphs: a coloured square with a near-white border
// and a white mark.
Picture Glyph(bool close) {
    Image image{9, 9, std::vector<std::uint32_t>(81, 0xFFF4F4F4u)};
    for (int y = 1; y < 8; ++y) {
        for (int x = 1; x < 8; ++x) {
            std::uint32_t& p = image.pixels[static_cast<std::size_t>(y * 9 + x)];
            p = close ? 0xFFE04020u : 0xFF2058E0u;
            const bool mark = close ? (x == y || x == 8 - y) && x >= 2 && x <= 6 : y == 6 && x >= 2 && x <= 5;
            if (mark) p = 0xFFFFFFFFu;
        }
    }
    return Picture::FromImage(Picture::Type::Bitmap, image);
}

// A parent window's background picture: diagonal stripes over a gradient.
class SampleParent final : public ParentBackground {
public:
    SampleParent(int width, int height) : m_picture{width, height, {}} {
        m_picture.pixels.resize(static_cast<std::size_t>(width) * height);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const int shade = 120 + 100 * x / width;
                const bool stripe = ((x + y) / 6) % 2 == 0;
                m_picture.pixels[static_cast<std::size_t>(y * width + x)] =
                    qRgb(stripe ? shade : 60, stripe ? 90 : shade / 2, 200 - shade / 2);
            }
        }
    }
    const Image* BackgroundPicture() const override { return &m_picture; }
    Point ButtonPosition() const override { return m_position; }
    void setPosition(Point position) { m_position = position; }
    const Image& picture() const { return m_picture; }

private:
    Image m_picture;
    Point m_position;
};

QImage ToQImage(const Image& image) {
    QImage out(image.width, image.height, QImage::Format_ARGB32);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) out.setPixel(x, y, image.at(x, y));
    }
    return out;
}

// The sheet as a screen of device pixel ratio `ratio` shows it: laid out in
// the buttons' pixels, with ratio device pixels to each.
class Sheet {
public:
    Sheet(int columns, int rows, double ratio)
        : m_ratio(ratio),
          m_image(qRound((kLabelWidth + columns * kCellWidth) * ratio),
                  qRound((kHeaderHeight + rows * kCellHeight) * ratio), QImage::Format_RGB32) {
        m_image.setDevicePixelRatio(ratio);
        m_image.fill(kSheetColour);
    }

    QImage& image() { return m_image; }

    void Label(int row, const QString& text) {
        QPainter p(&m_image);
        p.setPen(Qt::black);
        p.drawText(QRect(4, kHeaderHeight + row * kCellHeight, kLabelWidth - 8, kCellHeight),
                   Qt::AlignVCenter | Qt::AlignLeft, text);
    }

    void Header(int column, const QString& text) {
        QPainter p(&m_image);
        p.setPen(Qt::black);
        p.drawText(QRect(kLabelWidth + column * kCellWidth, 0, kCellWidth, kHeaderHeight), Qt::AlignCenter, text);
    }

    QPoint CellOrigin(int column, int row, int width, int height) const {
        return {kLabelWidth + column * kCellWidth + (kCellWidth - width) / 2,
                kHeaderHeight + row * kCellHeight + (kCellHeight - height) / 2};
    }

    // The painter's surface as the widget shows it at the sheet's ratio, cut
    // to the window shape where the style has one.
    void Put(ButtonPainter& painter, QPoint at, bool shaped) {
        const DeviceGrid grid(m_ratio, at.x() * m_ratio, at.y() * m_ratio);
        const Surface s = painter.PaintForDevice(grid);
        const QPoint origin(qRound(at.x() * m_ratio), qRound(at.y() * m_ratio));
        const Surface& own = painter.surface();
        for (int y = 0; y < own.height(); ++y) {
            for (int x = 0; x < own.width(); ++x) {
                if (shaped && painter.skinRegion() && !painter.skinRegion()->Contains(x, y)) continue;
                for (int dy = grid.Y(y); dy < grid.Y(y + 1); ++dy) {
                    for (int dx = grid.X(x); dx < grid.X(x + 1); ++dx) {
                        const Colour c = s.pixel(dx, dy);
                        m_image.setPixel(origin.x() + dx, origin.y() + dy,
                                         qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
                    }
                }
            }
        }
    }

private:
    double m_ratio;
    QImage m_image;
};

void Paint(Sheet& sheet, QtTextRenderer& text, const PaintInput& base, int column, int row, int width, int height,
           SampleParent* parent = nullptr) {
    ButtonPainter painter(text);
    const QPoint at = sheet.CellOrigin(column, row, width, height);
    if (parent != nullptr) {
        // The parent picture lies under the whole cell row; the button's
        // position in it is its position on the sheet.
        parent->setPosition({at.x() - kLabelWidth, at.y() - (kHeaderHeight + row * kCellHeight)});
        painter.SetParentBackground(parent);
    }
    painter.Resize(base, width, height);
    sheet.Put(painter, at, base.ButtonStyle == XPButton);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    std::string output = "gallery.png";
    int scale = 1;
    double ratio = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--scale") == 0 && i + 1 < argc) {
            scale = std::max(1, std::atoi(argv[++i]));
        } else if (std::strcmp(argv[i], "--ratio") == 0 && i + 1 < argc) {
            ratio = std::clamp(std::atof(argv[++i]), 1.0, 4.0);
        } else {
            output = argv[i];
        }
    }

    QtTextRenderer text;
    const int columns = static_cast<int>(std::size(kStates));

    struct Row {
        QString label;
        PaintInput input;
        int width = 120;
        int height = 29;
        bool transparent = false;
    };
    std::vector<Row> rows;
    const char* styleNames[] = {"Standard", "Flat", "XPToolbar", "XPButton", "NoBorder", "style 7"};
    const int styles[] = {Standard, Flat, XPToolbar, XPButton, NoBorder, 7};
    for (int s = 0; s < 6; ++s) {
        PaintInput plain;
        plain.ButtonStyle = styles[s];
        plain.Caption = "Таблица рекордов";
        rows.push_back({QString::fromLatin1(styleNames[s]), plain});
        PaintInput pictured = plain;
        pictured.Caption = "Справка";
        pictured.picture = SampleBitmap();
        pictured.PictureWidth = pictured.PictureHeight = 16;
        pictured.OriginalPicSizeW = pictured.OriginalPicSizeH = 16;
        rows.push_back({QString::fromLatin1(styleNames[s]) + " + bitmap", pictured});
    }
    {
        PaintInput icon;
        icon.Caption = "Значок";
        icon.picture = SampleIcon();
        icon.PictureWidth = icon.PictureHeight = 16;
        icon.OriginalPicSizeW = icon.OriginalPicSizeH = 16;
        icon.PicturePosition = PictureRight;
        rows.push_back({"XPToolbar + icon, right", icon});
        icon.ButtonStyle = Standard;
        icon.PicturePosition = PictureAbove;
        rows.push_back({"Standard + icon, above", icon, 120, 36});
    }
    {
        PaintInput bevel;
        bevel.ButtonStyle = Standard;
        bevel.BEVEL = 2;
        bevel.BackColor = Rgb(192, 192, 192);
        bevel.Caption = "BEVEL 2";
        rows.push_back({"Standard, BEVEL 2", bevel});
        bevel.ButtonStyle = Flat;
        rows.push_back({"Flat, BEVEL 2", bevel});
    }
    {
        PaintInput xp;
        xp.ButtonStyle = XPButton;
        xp.Caption = "Старт";
        xp.XPDefaultColors = false;
        xp.XPColor_Hover = Rgb(60, 170, 60);
        xp.XPColor_Pressed = Rgb(150, 80, 200);
        rows.push_back({"XPButton, own ring colours", xp, 120, 29});
        PaintInput small;
        small.ButtonStyle = XPButton;
        small.Caption = "OK";
        rows.push_back({"XPButton 36 x 22", small, 36, 22});
    }
    for (bool close : {false, true}) {
        PaintInput glyph;
        glyph.ButtonStyle = Standard;
        glyph.Caption.clear();
        glyph.picture = Glyph(close);
        glyph.PictureWidth = glyph.PictureHeight = 9;
        glyph.OriginalPicSizeW = glyph.OriginalPicSizeH = 9;
        rows.push_back({close ? "10 x 10 close glyph" : "10 x 10 minimise glyph", glyph, 10, 10});
    }
    {
        PaintInput over;
        over.TransparentBG = true;
        over.Caption = "Прозрачная";
        rows.push_back({"XPToolbar, TransparentBG", over, 120, 29, true});
        over.ButtonStyle = Flat;
        rows.push_back({"Flat, TransparentBG", over, 120, 29, true});
        over.ButtonStyle = Standard;
        over.picture = SampleBitmap();
        over.PictureWidth = over.PictureHeight = 16;
        over.OriginalPicSizeW = over.OriginalPicSizeH = 16;
        rows.push_back({"Standard, TransparentBG", over, 120, 29, true});
    }

    Sheet sheet(columns, static_cast<int>(rows.size()), ratio);
    SampleParent parent(columns * kCellWidth, kCellHeight);
    for (int c = 0; c < columns; ++c) sheet.Header(c, QString::fromLatin1(kStates[c].name));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const Row& row = rows[static_cast<std::size_t>(r)];
        sheet.Label(r, row.label);
        if (row.transparent) {
            QPainter p(&sheet.image());
            p.drawImage(QPoint(kLabelWidth, kHeaderHeight + r * kCellHeight), ToQImage(parent.picture()));
        }
        for (int c = 0; c < columns; ++c) {
            PaintInput input = row.input;
            kStates[c].apply(input);
            Paint(sheet, text, input, c, r, row.width, row.height, row.transparent ? &parent : nullptr);
        }
    }

    QImage result = sheet.image();
    if (scale > 1) result = result.scaled(result.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!result.save(QString::fromStdString(output))) {
        std::fprintf(stderr, "button_gallery: cannot write %s\n", output.c_str());
        return 1;
    }
    std::printf("%s\n", output.c_str());
    return 0;
}
