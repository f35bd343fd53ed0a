// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/SvgModule.h"

#include <QSvgGenerator>

extern "C" Q_DECL_EXPORT QPaintDevice *tallyraSvgDevice(QIODevice *output, const QSize &size,
                                                        const QString &title)
{
    auto *svg = new QSvgGenerator;
    svg->setOutputDevice(output);
    svg->setSize(size);
    svg->setViewBox(QRect(QPoint(0, 0), size));
    svg->setTitle(title);
    // Pixels as the screen counts them, so that the drawing's sizes carry over unchanged.
    svg->setResolution(96);
    return svg;
}
