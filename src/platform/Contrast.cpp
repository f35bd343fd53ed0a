// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Contrast.h"

#include <algorithm>
#include <cmath>

namespace tallyra {

namespace {

// One sRGB channel (0..1) in linear light.
double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

// Steps from the wanted colour towards black or white; fine enough that no step changes a
// channel by more than about 4 of 255.
constexpr int Steps = 64;

} // namespace

double relativeLuminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

double contrastRatio(const QColor &first, const QColor &second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor blend(const QColor &from, const QColor &to, double share)
{
    const QColor a = from.toRgb();
    const QColor b = to.toRgb();
    const auto mix = [share](int x, int y) { return int(std::lround(x + (y - x) * share)); };
    return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
}

QColor over(const QColor &colour, const QColor &background)
{
    return blend(background, colour, colour.alphaF());
}

QColor readableTone(const QColor &ink, const QColor &background)
{
    if (contrastRatio(ink, background) >= ReadableContrast)
        return ink.toRgb();
    // Towards whichever end reads better on this background: some grey backgrounds leave
    // barely more than 4.5 even for black or white, and then only the end itself does.
    const QColor end = contrastRatio(Qt::white, background) >= contrastRatio(Qt::black, background)
                           ? QColor(Qt::white)
                           : QColor(Qt::black);
    for (int step = 1; step < Steps; ++step) {
        const QColor tone = blend(ink, end, double(step) / Steps);
        if (contrastRatio(tone, background) >= ReadableContrast)
            return tone;
    }
    return end;
}

QColor readableRed(const QColor &background)
{
    return readableTone(QColor(AlertRed), background);
}

QColor readableTint(const QColor &base, const QColor &tint, const QColor &text, double share)
{
    for (int step = Steps; step > 0; --step) {
        const QColor tinted = blend(base, tint, share * step / Steps);
        if (contrastRatio(text, tinted) >= ReadableContrast)
            return tinted;
    }
    return base.toRgb();
}

} // namespace tallyra
