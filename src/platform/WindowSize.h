// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QScreen>
#include <QSize>
#include <QWidget>

namespace tallyra {

// Opens a window at the size its contents like best, but never larger than nine tenths of
// the screen it opens on: a 1080p screen at 200% has 960 by 540 pixels to give. What the
// layout needs at least still wins.
inline void sizeToScreen(QWidget *window, QSize wanted)
{
    const QScreen *screen = window->screen();
    if (screen)
        wanted = wanted.boundedTo(screen->availableSize() * 9 / 10);
    window->resize(wanted.expandedTo(window->minimumSizeHint()));
}

} // namespace tallyra
