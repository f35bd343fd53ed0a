// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstddef>
#include <span>

namespace tallyra {

// One type of file a save dialog offers: its extension and how the dialog names it.
struct FileType
{
    const char *suffix; // "csv"
    const char *filter; // "CSV for spreadsheets (*.csv)", marked for translation in SaveTarget
};

// The type as the dialog shows it, in the user's language.
QString filterName(const FileType &type);

// The types in the form QFileDialog takes: "A (*.a);;B (*.b)".
QString saveFilters(std::span<const FileType> types);

// What to write where: the index of one of the dialog's types, and the file.
struct SaveTarget
{
    std::size_t type = 0;
    QString path;
};

// From the name typed and the type chosen in the save dialog. A name ending in one of the
// types' extensions, in any letter case, is of that type; any other is of the chosen type (the
// first when none is chosen), and a name with no extension gets that type's.
SaveTarget saveTarget(std::span<const FileType> types, const QString &chosenPath,
                      const QString &selectedFilter);

} // namespace tallyra
