// The windows' buttons and shapes on screens of any device pixel ratio:
// captions spaced as Qt lays the font out, and outlines with all four sides.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "button/form/stored_form_parser.h"
#include "button/qt/qt_text_renderer.h"
#include "button/qt/vantor_button.h"
#include "button_qt_widget_access.h"
#include "windows/form_buttons.h"
#include "windows/shape.h"

namespace torvel::test {
namespace {

using torvel::testing::ModelOf;
using torvel::testing::PainterOf;

const double kRatios[] = {1.0, 1.25, 1.5, 1.75, 2.0, 3.0};

// Where each word of a line of dark text begins and ends, in columns from
// the first inked one. The words are split at the widest blank runs.
std::vector<int> WordEdges(const QImage& image, const QRect& area, int words) {
    std::vector<bool> inked;
    for (int x = area.left(); x <= area.right(); ++x) {
        bool any = false;
        for (int y = area.top(); y <= area.bottom(); ++y) any = any || qGray(image.pixel(x, y)) < 128;
        inked.push_back(any);
    }
    const auto first = std::find(inked.begin(), inked.end(), true);
    const auto last = std::find(inked.rbegin(), inked.rend(), true).base();
    if (first == inked.end()) return {};
    struct Gap {
        int begin, end;  // blank columns, from the first inked one
    };
    std::vector<Gap> gaps;
    for (auto at = first; at != last;) {
        const auto blank = std::find(at, last, false);
        if (blank == last) break;
        at = std::find(blank, last, true);
        gaps.push_back({static_cast<int>(blank - first), static_cast<int>(at - first)});
    }
    std::stable_sort(gaps.begin(), gaps.end(), [](Gap a, Gap b) { return a.end - a.begin > b.end - b.begin; });
    gaps.resize(std::min<std::size_t>(gaps.size(), static_cast<std::size_t>(words - 1)));
    std::vector<int> edges{0, static_cast<int>(last - first)};
    for (const Gap& gap : gaps) {
        edges.push_back(gap.begin);
        edges.push_back(gap.end);
    }
    std::sort(edges.begin(), edges.end());
    return edges;
}

// Every captioned button of every stored form.
struct Captioned {
    std::string form;
    std::string instance;
};

std::vector<Captioned> EveryCaptionedButton(ButtonServices& services, std::vector<StoredForm>& forms) {
    std::vector<Captioned> out;
    const QDir folder(QStringLiteral(":/torvel/forms"));
    for (const QString& name : folder.entryList({QStringLiteral("*.buttons")})) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
        forms.push_back(ParseStoredForm(file.readAll().toStdString(), name.toStdString(), services.pictures()));
        for (const StoredInstance& instance : forms.back().Instances()) {
            out.push_back({name.toStdString(), instance.name});
        }
    }
    return out;
}

TEST(ScreenRatioTest, CaptionGlyphsStandWhereQtLaysOutTheirFont) {
    ButtonServices services;
    std::vector<StoredForm> forms;
    const std::vector<Captioned> buttons = EveryCaptionedButton(services, forms);
    int checked = 0;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const StoredForm& form =
            *std::find_if(forms.begin(), forms.end(), [&](const StoredForm& f) { return f.FileName() == buttons[i].form; });
        QWidget window;
        VantorButton* button = VantorButton::CreateFromForm(form, buttons[i].instance, services.sound(),
                                                            services.handCursor(), &window);
        const std::string caption = ModelOf(*button).Caption();
        if (caption.empty()) continue;
        // Wide enough for every caption on one line.
        button->setGeometry(0, 0, 160, 29);
        window.resize(160, 29);
        const int words = static_cast<int>(std::count(caption.begin(), caption.end(), ' ')) + 1;
        const QString text = QString::fromStdString(caption);
        QFont font = QtTextRenderer::MakeFont(ModelOf(*button).Font());
        // Qt's own rendering of the font: its defaults for smoothing and hinting.
        font.setStyleStrategy(QFont::PreferDefault);
        font.setHintingPreference(QFont::PreferDefaultHinting);

        for (const double ratio : kRatios) {
            QImage shown(qRound(160 * ratio), qRound(29 * ratio), QImage::Format_RGB32);
            shown.setDevicePixelRatio(ratio);
            window.render(&shown);
            const Rect r = PainterOf(*button).captionRect();
            const QRect area(QPoint(qRound(r.left * ratio), qRound(r.top * ratio)),
                             QPoint(qRound(r.right * ratio) - 1, qRound(r.bottom * ratio) - 1));

            QImage reference(shown.size(), QImage::Format_RGB32);
            reference.setDevicePixelRatio(ratio);
            reference.fill(Qt::white);
            {
                QPainter painter(&reference);
                painter.setFont(font);
                painter.setPen(Qt::black);
                painter.drawText(QPointF(r.left + 4, r.top + QFontMetricsF(font).ascent()), text);
            }
            const std::vector<int> drawn = WordEdges(shown, area, words);
            const std::vector<int> expected = WordEdges(reference, area, words);
            ASSERT_EQ(drawn.size(), expected.size()) << caption << " at " << ratio;
            // Within one of the button's pixels: as many device pixels as
            // its widest block.
            const int tolerance = static_cast<int>(std::ceil(ratio));
            for (std::size_t k = 0; k < drawn.size(); ++k) {
                EXPECT_LE(std::abs(drawn[k] - expected[k]), tolerance)
                    << caption << " at " << ratio << ": word edge " << k << " is " << drawn[k] << ", Qt puts it at "
                    << expected[k];
            }
            ++checked;
        }
    }
    // OK, Таблица рекордов, Выход, Справка, Старт, OK, Закончить игру,
    // Пропустить ход, Далее: at least.
    EXPECT_GE(checked, 9 * static_cast<int>(std::size(kRatios)));
}

TEST(ScreenRatioTest, OutlinesKeepAllFourSidesOnWholeDevicePixels) {
    QWidget window;
    window.resize(240, 280);
    // The main window's Shape2, whose place is odd in both directions.
    auto* outline = new Shape(Shape::Kind::Outline, &window);
    outline->setGeometry(21, 49, 200, 211);
    for (const double ratio : kRatios) {
        QImage shown(qRound(240 * ratio), qRound(280 * ratio), QImage::Format_RGB32);
        shown.setDevicePixelRatio(ratio);
        shown.fill(Qt::black);
        window.render(&shown);
        const QRgb inside = window.palette().color(QPalette::Window).rgb();
        // The device pixels of the shape's edge pixels: every one white, and
        // the next one inwards the window's own.
        const auto edge = [ratio](int e) { return qRound(e * ratio); };
        const int left = edge(21), right = edge(221), top = edge(49), bottom = edge(260);
        const int midX = edge(121), midY = edge(154);
        struct Side {
            const char* name;
            QPoint first;  // the outermost device pixel at the side's middle
            QPoint inwards;
            int width;  // device pixels of its edge pixel
        };
        const Side sides[] = {
            {"top", {midX, top}, {0, 1}, edge(50) - top},
            {"bottom", {midX, bottom - 1}, {0, -1}, bottom - edge(259)},
            {"left", {left, midY}, {1, 0}, edge(22) - left},
            {"right", {right - 1, midY}, {-1, 0}, right - edge(220)},
        };
        for (const Side& side : sides) {
            for (int k = 0; k < side.width; ++k) {
                EXPECT_EQ(shown.pixel(side.first + k * side.inwards), qRgb(255, 255, 255))
                    << side.name << " at " << ratio << ", device pixel " << k;
            }
            EXPECT_EQ(shown.pixel(side.first + side.width * side.inwards), inside) << side.name << " at " << ratio;
        }
    }
}

}  // namespace
}  // namespace torvel::test
