#include "ui/qt/LinkColour.h"

#include <array>
#include <cmath>

namespace orvane {
namespace {

double relativeLuminance(const QColor& colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

constexpr double ReadableContrast = 4.5;

} // namespace

QColor readableRedOn(const QColor& background)
{
    // Pure red first, then darker shades of it and lighter tints, each
    // step further from pure red; the first that reads is taken. The last
    // step is black and white, one of which reads on any background.
    const bool darkFirst = relativeLuminance(background) > relativeLuminance(QColor(255, 0, 0));
    for (int step = 0;; ++step) {
        const QColor darker(255 - step, 0, 0);
        const QColor lighter(255, step, step);
        for (const QColor& candidate : darkFirst ? std::array{darker, lighter} : std::array{lighter, darker})
            if (contrast(candidate, background) >= ReadableContrast)
                return candidate;
    }
}

} // namespace orvane
