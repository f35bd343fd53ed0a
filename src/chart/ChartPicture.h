// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/SaveTarget.h"

#include <QCoreApplication>
#include <QDate>
#include <QString>

#include <array>
#include <optional>

namespace tallyra {

class ChartView;

// No SVG: Qt SVG's image plugin, once installed, is loaded by every start of the program (the
// menu bar's icons make Qt ask each image plugin about them), and PDF keeps the chart sharp at
// any size as well.
enum class PictureFormat { Png, Pdf };

// The types offered by the save dialog, in PictureFormat's order: PNG first. The save dialog
// translates their names.
inline constexpr std::array<FileType, 2> PictureTypes = {{
    {"png", QT_TRANSLATE_NOOP("SaveTarget", "PNG pictures (*.png)")},
    {"pdf", QT_TRANSLATE_NOOP("SaveTarget", "PDF documents (*.pdf)")},
}};

QString defaultPictureName(const QDate &today);

// Writes the chart as it is drawn on the screen, at its size, to the file (whole or not at all).
// Nothing when it was written, why not otherwise.
std::optional<QString> saveChartPicture(const ChartView &chart, PictureFormat format,
                                        const QString &path);

} // namespace tallyra
