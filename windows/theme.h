// The colours and fonts the windows are drawn in, each named by what it is
// for: a window asks for the role, never for a value.
#pragma once

#include <QColor>
#include <QFont>

namespace torvel::theme {

// Every window.
inline constexpr QColor kWindow{255, 224, 192};   // background; the word lists and the chart's plot too
inline constexpr QColor kPanel{255, 192, 128};    // the panels, and the entry field
inline constexpr QColor kOutline{255, 255, 255};  // the panels' borders and the outlines

// The main window.
inline constexpr QColor kTitle{255, 255, 255};         // its own title, over the picture
inline constexpr QColor kCaption{128, 128, 128};       // the captions and the credit line
inline constexpr QColor kSourceWord{0, 0, 255};        // also the review's title
inline constexpr QColor kTotal{0, 128, 0};             // the letter totals; the points and games played too
inline constexpr QColor kComputerWord{128, 128, 128};  // its last word
inline constexpr QColor kEntryText{128, 128, 128};

// The statistics, the history and the review.
inline constexpr QColor kVerdict{0, 192, 0};
inline constexpr QColor kText{128, 128, 128};       // their lines of figures and the chart's scale and key
inline constexpr QColor kHiddenValue{0, 0, 0};      // the points kept in a hidden label
inline constexpr QColor kLengthCaption{0, 0, 255};  // the review's caption above each length's words
inline constexpr QColor kFoundByPlayer{0, 128, 0};
inline constexpr QColor kFoundByComputer{128, 128, 128};
inline constexpr QColor kMissed{0, 0, 0};  // words nobody found
inline constexpr QColor kGloss{0, 0, 0};
inline constexpr QColor kWin{0, 128, 0};  // the chart's bars
inline constexpr QColor kDraw{128, 128, 128};
inline constexpr QColor kLoss{192, 0, 0};

// The best results.
inline constexpr QColor kCell{192, 255, 192};
inline constexpr QColor kCellText{64, 64, 64};

// Fonts at their size in points, as whole pixels at 96 dpi, so the text fits
// the layouts whatever the screen's resolution. "MS Sans Serif" and "Arial"
// are seldom installed on Linux; Liberation Sans, made to the same metrics,
// takes their place when they are absent.

QFont WindowFont();    // each window's own: captions, cells, the chart
QFont TitleFont();     // the main window's own title
QFont ValueFont();     // the source word and the letter totals; the review's title
QFont WordFont();      // the entry field and the computer's last word
QFont HeadlineFont();  // the verdict, and the games played over the history
QFont LineFont();      // the lines of figures of the statistics, the history and the review
QFont PointsFont();    // the points of a game
QFont ListFont();      // the review's words and the gloss under them

}  // namespace torvel::theme
