// A label that keeps the whole of its one-line text in view.
#pragma once

#include <QFont>
#include <QLabel>

namespace torvel {

// Text that fits the label's width is drawn as by any label. Text too wide
// for it is drawn in the largest smaller size of the label's font that fits,
// with the same colour, weight and alignment; the label keeps its place and
// size, and its font property stays as it was set.
class FittingLabel final : public QLabel {
    Q_OBJECT

public:
    explicit FittingLabel(QWidget* parent = nullptr);

    // The font the current text is drawn in.
    QFont drawnFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace torvel
