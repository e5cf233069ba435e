// Where every control of the windows stands: the one place the layouts are
// written, in twips of each window's client area. The windows are built from
// here, and so is the test of their layout.
#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include "windows/twips.h"

namespace torvel {

// A control's name and its rectangle, left, top, width and height in twips.
struct Place {
    const char* name;
    int left;
    int top;
    int width;
    int height;

    constexpr QRect rect() const { return TwipsRect(left, top, width, height); }
    QString objectName() const { return QString::fromLatin1(name); }
};

namespace main_layout {

inline constexpr QSize kClient = TwipsSize(6675, 5235);

// From the back to the front: the shapes and labels, then the fields and buttons.
inline constexpr Place Shape1{"Shape1", 210, 210, 6210, 4845};
inline constexpr Place Label1{"Label1", 1995, 315, 4110, 540};
inline constexpr Place Label2{"Label2", 1470, 3570, 645, 435};
inline constexpr Place Label3{"Label3", 4620, 3570, 645, 435};
inline constexpr Place Label4{"Label4", 525, 420, 1485, 330};
inline constexpr Place Label6{"Label6", 4620, 1260, 1590, 330};
inline constexpr Place Label7{"Label7", 3990, 840, 2325, 330};
inline constexpr Place Shape2{"Shape2", 315, 735, 3000, 3165};
inline constexpr Place Shape3{"Shape3", 3360, 735, 3000, 3165};
inline constexpr Place Label5_0{"Label5_0", 420, 3570, 1170, 225};
inline constexpr Place Label5_1{"Label5_1", 3465, 3570, 1170, 225};
inline constexpr Place Shape4{"Shape4", 2415, 4515, 3690, 435};
inline constexpr Place Label8{"Label8", 2520, 4515, 3480, 435};
inline constexpr Place Label9{"Label9", 315, -30, 750, 225};
inline constexpr Place Text2{"Text2", 420, 1680, 2850, 1800};
inline constexpr Place Text3{"Text3", 3465, 1680, 2850, 1800};
inline constexpr Place Text1{"Text1", 420, 840, 2220, 330};
inline constexpr Place VantorButton4{"VantorButton4", 2730, 840, 540, 330};
inline constexpr Place VantorButton6{"VantorButton6", 420, 1260, 1380, 330};
inline constexpr Place VantorButton5{"VantorButton5", 1890, 1260, 1380, 330};
inline constexpr Place cmdstart{"cmdstart", 555, 3990, 1800, 435};
inline constexpr Place cmdhel{"cmdhel", 2430, 3990, 1800, 435};
inline constexpr Place cmdexi{"cmdexi", 4305, 3990, 1800, 435};
inline constexpr Place VantorButton1{"VantorButton1", 555, 4515, 1785, 435};
inline constexpr Place VantorButton8{"VantorButton8", 6130, 0, 150, 150};
inline constexpr Place VantorButton9{"VantorButton9", 6300, 0, 150, 150};

inline constexpr Place kAll[] = {
    Shape1, Label1, Label2, Label3, Label4, Label6, Label7, Shape2, Shape3,
    Label5_0, Label5_1, Shape4, Label8, Label9, Text2, Text3, Text1, VantorButton4,
    VantorButton6, VantorButton5, cmdstart, cmdhel, cmdexi, VantorButton1, VantorButton8, VantorButton9,
};

}  // namespace main_layout

namespace statistics_layout {

inline constexpr QSize kClient = TwipsSize(4680, 3315);

inline constexpr Place Shape1{"Shape1", 105, 105, 4425, 3165};
inline constexpr Place Label1{"Label1", 525, 210, 3585, 435};
inline constexpr Place Label2{"Label2", 210, 630, 4215, 540};
inline constexpr Place Label3{"Label3", 210, 1260, 4215, 645};
inline constexpr Place Label4{"Label4", 210, 1890, 4215, 435};
inline constexpr Place Label5{"Label5", 525, 2310, 3585, 435};
inline constexpr Place Label6{"Label6", 3360, 2940, 855, 225};
inline constexpr Place VantorButton1{"VantorButton1", 1680, 2835, 1275, 330};
inline constexpr Place VantorButton2{"VantorButton2", 3135, 2835, 1275, 330};

inline constexpr Place kAll[] = {Shape1, Label1, Label2, Label3, Label4, Label5, Label6, VantorButton1, VantorButton2};

}  // namespace statistics_layout

namespace records_layout {

inline constexpr QSize kClient = TwipsSize(4530, 5145);

inline constexpr Place Shape1{"Shape1", 105, 105, 4320, 4950};
inline constexpr Place VantorButton1{"VantorButton1", 1260, 4620, 2010, 330};
// "История", right of "OK" on the panel below the last row, clear of every other control.
inline constexpr Place VantorButton2{"VantorButton2", 3375, 4620, 945, 330};
// The cells of row 0; row k stands k rows lower, as Label1_k and Label2_k.
inline constexpr Place Label1{"Label1", 3150, 420, 1170, 330};  // scores
inline constexpr Place Label2{"Label2", 210, 420, 2955, 330};   // names
inline constexpr int kRowStep = 420;

// The cell of `column` (Label1 or Label2) in `row`.
constexpr Place Cell(const Place& column, int row) {
    return {column.name, column.left, column.top + kRowStep * row, column.width, column.height};
}
inline QString CellName(const Place& column, int row) {
    return column.objectName() + QStringLiteral("_%1").arg(row);
}

inline constexpr Place kAll[] = {Shape1, VantorButton1, VantorButton2};

}  // namespace records_layout

namespace review_layout {

inline constexpr QSize kClient = TwipsSize(4680, 6300);

inline constexpr Place Shape1{"Shape1", 105, 105, 4470, 6090};
inline constexpr Place Label1{"Label1", 210, 210, 4260, 435};
inline constexpr Place Label2{"Label2", 210, 660, 4260, 540};
// The lengths line (Label3) and the list (List1) share this panel below the
// summary: the line takes the rows it needs, the list the rest.
inline constexpr Place kBelowSummary{"Label3", 210, 1230, 4260, 3930};
// The gloss of the word at the keyboard's place: two rows under the list.
inline constexpr Place Label4{"Label4", 210, 5250, 4260, 480};
inline constexpr Place VantorButton1{"VantorButton1", 1695, 5835, 1275, 330};

inline constexpr Place kAll[] = {Shape1, Label1, Label2, Label4, VantorButton1};

}  // namespace review_layout

namespace history_layout {

inline constexpr QSize kClient = TwipsSize(4680, 5880);

// Each line below the first has room for two rows, should its numbers grow long.
inline constexpr Place Shape1{"Shape1", 105, 105, 4470, 5670};
inline constexpr Place Label1{"Label1", 210, 210, 4260, 435};   // games played
inline constexpr Place Label2{"Label2", 210, 720, 4260, 540};   // won, drawn, lost
inline constexpr Place Label3{"Label3", 210, 1290, 4260, 540};  // points
inline constexpr Place Label4{"Label4", 210, 1860, 4260, 540};  // the longest word
inline constexpr Place Label5{"Label5", 210, 2430, 4260, 330};  // word length
inline constexpr Place Chart1{"Chart1", 210, 2820, 4260, 2400};
inline constexpr Place VantorButton1{"VantorButton1", 1695, 5340, 1275, 330};

inline constexpr Place kAll[] = {Shape1, Label1, Label2, Label3, Label4, Label5, Chart1, VantorButton1};

}  // namespace history_layout

}  // namespace torvel
