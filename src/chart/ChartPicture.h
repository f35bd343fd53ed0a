// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace tallyra {

class ChartView;

// No SVG: Qt SVG's image plugin, once installed, is loaded by every start of the program (the
// menu bar's icons make Qt ask each image plugin about them), and PDF keeps the chart sharp at
// any size as well.
enum class PictureFormat { Png, Pdf };

// The types offered by the save dialog, PNG first.
QString pictureFilters();
QString defaultPictureName(const QDate &today);

struct PictureTarget
{
    PictureFormat format = PictureFormat::Png;
    QString path;
};

// The format of a chosen file: its extension when it has a known one, the type chosen in the
// dialog otherwise; a name without extension gets the type's.
PictureTarget pictureTarget(const QString &chosenPath, const QString &selectedFilter);

// Writes the chart as it is drawn on the screen, at its size, to the file (whole or not at all).
// Nothing when it was written, why not otherwise.
std::optional<QString> saveChartPicture(const ChartView &chart, const PictureTarget &target);

} // namespace tallyra
