// The shapes of the windows' layouts: a filled panel and outlines.
#pragma once

#include <QWidget>

namespace torvel {

// Drawn in its place among the other controls, so that it keeps their order
// from back to front, but transparent to the mouse: a press on a shape is a
// press on the window beneath.
class Shape final : public QWidget {
    Q_OBJECT
public:
    enum class Kind {
        Panel,           // curved corners, filled in the panel colour, with an outline
        Outline,         // a rectangle's outline
        RoundedOutline,  // an outline with curved corners
    };

    Shape(Kind kind, QWidget* parent);

    Kind kind() const { return m_kind; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind m_kind;
};

}  // namespace torvel
