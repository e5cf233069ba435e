// Lengths in 0.01 mm to pixels at the logical resolution of a widget's screen.
#pragma once

#include <QWidget>

#include "button/host/himetric_converter.h"

namespace torvel {

class QtHiMetricConverter final : public HiMetricConverter {
public:
    explicit QtHiMetricConverter(const QWidget* widget) : m_widget(widget) {}

    // 2540 hundredths of a millimetre make an inch: 96 pixels at 96 dpi.
    double HiMetricToPixelsX(double hiMetric) const override;
    double HiMetricToPixelsY(double hiMetric) const override;

private:
    const QWidget* m_widget;
};

}  // namespace torvel
