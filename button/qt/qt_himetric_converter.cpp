// Lengths in 0.01 mm to pixels at the logical resolution of a widget's screen.
#include "button/qt/qt_himetric_converter.h"

namespace torvel {

namespace {

constexpr double kHiMetricPerInch = 2540.0;

}  // namespace

double QtHiMetricConverter::HiMetricToPixelsX(double hiMetric) const {
    return hiMetric * m_widget->logicalDpiX() / kHiMetricPerInch;
}

double QtHiMetricConverter::HiMetricToPixelsY(double hiMetric) const {
    return hiMetric * m_widget->logicalDpiY() / kHiMetricPerInch;
}

}  // namespace torvel
