// The shapes of the windows' layouts: a filled panel and white outlines.
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
        Panel,           // curved corners, filled 255, 192, 128, white border
        Outline,         // white rectangle outline
        RoundedOutline,  // white outline with curved corners
    };

    Shape(Kind kind, QWidget* parent);

    Kind kind() const { return m_kind; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind m_kind;
};

}  // namespace torvel
