#include "gui/framework/mark_colour.h"

#include <algorithm>
#include <cmath>

namespace kvilo::framework {
namespace {

double Linear(double channel) {
    return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double Luminance(const QColor& colour) {
    return 0.2126 * Linear(colour.redF()) + 0.7152 * Linear(colour.greenF()) + 0.0722 * Linear(colour.blueF());
}

} // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor MarkTextColour(const QColor& background) {
    static const QColor kReds[] = {QColor(0xC0, 0x00, 0x00), QColor(0xFF, 0x70, 0x70), QColor(0x70, 0x00, 0x00),
                                   QColor(0xFF, 0xD0, 0xD0)};
    constexpr double kReadable = 4.5;
    const QColor back = background.isValid() ? background : QColor(Qt::white);
    const QColor* best = &kReds[0];
    for (const QColor& red : kReds) {
        if (ContrastRatio(red, back) >= kReadable) return red;
        if (ContrastRatio(red, back) > ContrastRatio(*best, back)) best = &red;
    }
    return *best;
}

} // namespace kvilo::framework
