// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QMap>
#include <QRect>
#include <QString>

namespace tallyra {

// Where each named control lies in a help picture of a window, in the picture's pixels. It is
// made together with the picture, so the help lines keep pointing at the right controls when
// the pictures are made again from changed windows.
using PictureMap = QMap<QString, QRect>;

// One line per control: "name x y width height".
QByteArray formatPictureMap(const PictureMap &map);
// Lines that do not hold a name and four whole numbers are left out.
PictureMap parsePictureMap(const QByteArray &text);

} // namespace tallyra
