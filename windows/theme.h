// The colours and fonts the windows are drawn in.
#pragma once

#include <QColor>
#include <QFont>

namespace torvel::theme {

inline constexpr QColor kBackground{255, 224, 192};  // the windows and the word lists
inline constexpr QColor kPanel{255, 192, 128};       // the panels and the entry field
inline constexpr QColor kGrey{128, 128, 128};        // captions, the computer's words
inline constexpr QColor kBlue{0, 0, 255};            // the source word
inline constexpr QColor kGreen{0, 128, 0};           // totals, points, the player's words
inline constexpr QColor kVerdict{0, 192, 0};         // the verdict of a game
inline constexpr QColor kCell{192, 255, 192};        // the cells of the best results
inline constexpr QColor kCellText{64, 64, 64};

// Fonts at their size in points, as whole pixels at 96 dpi, so the text fits
// the layouts whatever the screen's resolution. "MS Sans Serif" and "Arial"
// are seldom installed on Linux; Liberation Sans, made to the same metrics,
// takes their place when they are absent.

// MS Sans Serif 8.25 pt, each window's own font.
QFont WindowFont(bool bold = false);
QFont ArialFont(double points, bool bold = false);

}  // namespace torvel::theme
