// Converting lengths in 0.01 mm (the unit pictures report) to surface pixels.
#pragma once

namespace torvel {

class HiMetricConverter {
public:
    virtual ~HiMetricConverter() = default;

    virtual double HiMetricToPixelsX(double hiMetric) const = 0;
    virtual double HiMetricToPixelsY(double hiMetric) const = 0;
};

}  // namespace torvel
