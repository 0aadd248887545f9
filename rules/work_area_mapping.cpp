#include "rules/work_area_mapping.h"

#include <cmath>
#include <limits>

namespace velmado::rules {

namespace {

// Scales `part` of the (positive) source extent to the destination extent. The product comes
// first so that a result that is exactly a half stays exactly a half before rounding.
int Scaled(int destinationExtent, double part, int sourceExtent) {
    return RoundHalfEven(destinationExtent * std::fabs(part) / sourceExtent);
}

// One axis: keeps the distance to the nearer edge of the source, measured against its width.
int MapStart(int start, int size, int sourceStart, int sourceEnd, int destStart, int destEnd) {
    const int sourceExtent = sourceEnd - sourceStart;
    const int destExtent = destEnd - destStart;
    if (static_cast<long long>(start) - sourceStart < sourceExtent / 2) {
        return destStart +
               Scaled(destExtent, static_cast<double>(start) - sourceStart, sourceExtent);
    }
    const double farGap = static_cast<double>(sourceEnd) - size - start;
    return destEnd - Scaled(destExtent, farGap, sourceExtent) - size;
}

} // namespace

int RoundHalfEven(double value) {
    constexpr double kMin = std::numeric_limits<int>::min();
    constexpr double kMax = std::numeric_limits<int>::max();
    if (std::isnan(value)) {
        return 0;
    }
    // Explicit, so that no rounding mode left behind by other code can change the result.
    double rounded = std::floor(value);
    const double fraction = value - rounded;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0)) {
        rounded += 1.0;
    }
    if (rounded <= kMin) {
        return std::numeric_limits<int>::min();
    }
    if (rounded >= kMax) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(rounded);
}

std::optional<common::XYWH> MapBetweenWorkAreas(const common::XYWH& window,
                                                const common::Rect& source,
                                                const common::Rect& destination) {
    if (source.Width() <= 0 || source.Height() <= 0) {
        return std::nullopt;
    }
    common::XYWH mapped;
    mapped.left = MapStart(window.left, window.width, source.left, source.right, destination.left,
                           destination.right);
    mapped.top = MapStart(window.top, window.height, source.top, source.bottom, destination.top,
                          destination.bottom);
    mapped.width = Scaled(destination.Width(), window.width, source.Width());
    mapped.height = Scaled(destination.Height(), window.height, source.Height());
    return mapped;
}

} // namespace velmado::rules
