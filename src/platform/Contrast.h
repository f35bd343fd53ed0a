// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

namespace tallyra {

// Colours that stay readable on whatever the desktop's colour scheme puts behind them: light,
// dark or high contrast. The measures are the usual ones for legibility on screen (sRGB
// relative luminance, and the ratio of two luminances each raised by 0.05); normal text wants
// a ratio of at least 4.5.

inline constexpr double ReadableContrast = 4.5;

// The red for a negative amount or a warning where the background is light and plain.
inline constexpr QRgb AlertRed = 0xC80000;

// 0 for black, 1 for white.
double relativeLuminance(const QColor &colour);
// From 1 (the same luminance) to 21 (black on white), whichever is lighter.
double contrastRatio(const QColor &first, const QColor &second);
// `colour` as it shows over `background`, its transparency (if any) taken into account. The
// measures here take every colour as opaque.
QColor over(const QColor &colour, const QColor &background);
// `from` moved by `share` (0..1) of the way to `to`, channel by channel.
QColor blend(const QColor &from, const QColor &to, double share);
// `ink` itself where it reads at ReadableContrast on `background`; else the nearest colour of
// its hue, made paler on a dark background or deeper on a light one, that does.
QColor readableTone(const QColor &ink, const QColor &background);
// The red for text on `background`: AlertRed on a light one, a paler red on a dark one.
QColor readableRed(const QColor &background);
// `base` tinted with `tint`, as strongly as `share` at most, and less where `text` would no
// longer read on it; `base` itself if even that would not do.
QColor readableTint(const QColor &base, const QColor &tint, const QColor &text, double share);

} // namespace tallyra
