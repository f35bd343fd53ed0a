// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>
#include <QtGlobal>

class QIODevice;
class QPaintDevice;

// Qt SVG is needed only when a chart is saved as SVG, so it lives in a module of its own,
// tallyra_svg, that the program loads then and never at start-up. The module gives one
// function: a paint device that writes SVG of the given size to `output` when its painter
// ends. The caller deletes it.
extern "C" {
using TallyraSvgDevice = QPaintDevice *(*)(QIODevice *output, const QSize &size,
                                           const QString &title);
}
inline constexpr char TallyraSvgDeviceName[] = "tallyraSvgDevice";
inline constexpr char TallyraSvgModuleName[] = "tallyra_svg";
