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
inline constexpr QColor kTotal{0, 128, 0};             // the letter totals; the statistics' points too
inline constexpr QColor kComputerWord{128, 128, 128};  // its last word
inline constexpr QColor kEntryText{128, 128, 128};

// The statistics.
inline constexpr QColor kVerdict{0, 192, 0};
inline constexpr QColor kText{128, 128, 128};   // its lines of figures
inline constexpr QColor kHiddenValue{0, 0, 0};  // the points kept in a hidden label

// The history and the review, written to be read in low vision: every text
// stands out from what it stands on by 4.5:1 or more, the chart's marks by
// 3:1 or more. Each grey and green is the lightest that reaches that on its
// ground.
inline constexpr QColor kFigure{87, 87, 87};      // their lines of figures on the panel, the chart's words and scale
inline constexpr QColor kGamesPlayed{0, 102, 0};  // the history's headline, on the panel
inline constexpr QColor kLengthCaption{0, 0, 255};  // the review's caption above each length's words
inline constexpr QColor kFoundByPlayer{0, 120, 0};  // the words of the list, on the window's colour
inline constexpr QColor kFoundByComputer{102, 102, 102};
inline constexpr QColor kMissed{0, 0, 0};  // words nobody found
inline constexpr QColor kGloss{0, 0, 0};
// The frame around what has the keyboard: the review's word, the chart.
inline constexpr QColor kKeyboardPlace{87, 87, 87};
// The chart's bars, on the window's colour, and its key, on the panel; the
// bars differ by their fill as well: see PointsChart.
inline constexpr QColor kWin{0, 128, 0};
inline constexpr QColor kDraw{102, 102, 102};
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
