// A label that keeps the whole of its one-line text in view.
#include "windows/fitting_label.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <algorithm>

namespace torvel {

namespace {

// The width the text covers when drawn: its advance, or its ink where a
// glyph reaches past the advance.
int DrawnWidth(const QFont& font, const QString& text) {
    const QFontMetrics metrics(font);
    return std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).right() + 1);
}

}  // namespace

FittingLabel::FittingLabel(QWidget* parent) : QLabel(parent) {}

QFont FittingLabel::drawnFont() const {
    QFont drawn = font();
    const int room = contentsRect().width();
    // Font sizes step by whole pixels, as the windows' fonts are set.
    for (int pixels = QFontInfo(drawn).pixelSize(); DrawnWidth(drawn, text()) > room && pixels > 1;) {
        drawn.setPixelSize(--pixels);
    }
    return drawn;
}

void FittingLabel::paintEvent(QPaintEvent* event) {
    const QFont drawn = drawnFont();
    if (drawn == font()) {
        QLabel::paintEvent(event);
        return;
    }
    // As a plain-text label draws itself, in the smaller font.
    QPainter painter(this);
    painter.setFont(drawn);
    const int flags = QStyle::visualAlignment(layoutDirection(), alignment()) | Qt::TextSingleLine;
    style()->drawItemText(&painter, contentsRect(), flags, palette(), isEnabled(), text(), foregroundRole());
}

}  // namespace torvel
