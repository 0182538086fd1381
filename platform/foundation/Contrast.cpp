#include "Contrast.h"

#include <algorithm>
#include <cmath>

namespace NequoraUI::platform {

namespace {

double linearChannel(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

} // namespace

double Contrast::relativeLuminance(const QColor &color)
{
    const QColor rgb = color.toRgb();
    return 0.2126 * linearChannel(rgb.redF()) + 0.7152 * linearChannel(rgb.greenF()) +
           0.0722 * linearChannel(rgb.blueF());
}

double Contrast::ratio(const QColor &first, const QColor &second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor Contrast::mixed(const QColor &first, const QColor &second, double amount)
{
    const QColor a = first.toRgb();
    const QColor b = second.toRgb();
    const double t = std::clamp(amount, 0.0, 1.0);
    // Eight bits a channel, as every colour is drawn and written.
    const auto blend = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return QColor(blend(a.red(), b.red()), blend(a.green(), b.green()), blend(a.blue(), b.blue()),
                  blend(a.alpha(), b.alpha()));
}

QColor Contrast::ensured(const QColor &foreground, const QColor &background, double wanted)
{
    if (ratio(foreground, background) >= wanted)
        return foreground;
    const QColor black(Qt::black);
    const QColor white(Qt::white);
    const bool darker = ratio(black, background) >= ratio(white, background);
    QColor extreme = darker ? black : white;
    extreme.setAlphaF(foreground.alphaF());
    if (ratio(extreme, background) < wanted)
        return extreme;
    // Contrast grows steadily along the blend towards the extreme: halve towards the least
    // blend that reaches the ratio, ending on the side that reaches it.
    double low = 0.0;
    double high = 1.0;
    for (int i = 0; i < 14; ++i) {
        const double middle = (low + high) / 2;
        if (ratio(mixed(foreground, extreme, middle), background) >= wanted)
            high = middle;
        else
            low = middle;
    }
    // Colours are drawn and written with eight bits a channel, so the result is rounded to
    // them, then moved a unit at a time should the rounding have cost the ratio.
    QColor result = mixed(foreground, extreme, high).toRgb();
    result.setRgb(result.red(), result.green(), result.blue(), result.alpha());
    const int towards = darker ? -1 : 1;
    for (int i = 0; i < 8 && ratio(result, background) < wanted; ++i)
        result.setRgb(std::clamp(result.red() + towards, 0, 255),
                      std::clamp(result.green() + towards, 0, 255),
                      std::clamp(result.blue() + towards, 0, 255), result.alpha());
    return result;
}

} // namespace NequoraUI::platform
