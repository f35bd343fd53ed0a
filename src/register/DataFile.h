// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/Checkbook.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace tallyra {

inline constexpr char DataFileName[] = "default.dat";

// A record line without its texts at the widest: the numbers ("-32768", "-2147483648"), six
// commas, four quotes and CR LF.
inline constexpr qint64 WidestRecordWithoutTexts = 3 * 6 + 2 * 11 + 6 + 4 + 2;

// More than any data file a register makes (the count line and 1000 records with both texts
// at their longest), with a mebibyte to spare for what a hand edit adds. A larger file is no
// register, and nothing of it is read.
inline constexpr qint64 MaxDataFileSize =
    8 + MaxEntries * (WidestRecordWithoutTexts + 2 * qint64(MaxTextLength)) + (1 << 20);

// The whole data file: the count line, then one record line for each of the 1000 slots, each
// ended by CR LF, e.g. 2000,5,18,"1042","WATER COMPANY",3150,0. Characters the file cannot
// hold (see firstUnstorableChar) are written as stand-ins: ' for a double quote, a blank for
// a line break, ? for anything outside the code page. The entry windows refuse them first;
// this only keeps every written line readable.
QByteArray formatDataFile(const Checkbook &book);

// The data file of a new, empty register: "0" and 1000 lines of 0,0,0,"","",0,0.
QByteArray emptyDataFile();

enum class ReadExtent {
    CountedEntries, // the records up to the count line's number, the rest never read
    AllSlots,       // all 1000 record lines must be there (backups are copied whole)
};

struct ReadFailure
{
    int lineNumber; // 1-based line of the file where reading failed
    QString reason;
};

// Reads a data file's bytes into the register: entryCount and the slots that the extent
// covers. Lines may end in CR LF or LF alone, but every line read must have its line end, so
// that a file cut short mid-line is refused. On failure the register is left untouched.
// A quote in an unquoted text and a carriage return in any text are read as the stand-ins
// above, so that whatever reads saves and reads back as the same register.
std::optional<ReadFailure> readDataFile(QByteArrayView bytes, Checkbook &book,
                                        ReadExtent extent = ReadExtent::CountedEntries);

// Whether writing `after` over the file `before` changes a record line of `before` past the
// ones its count line says are in use, other than a free slot's: lines that reading never
// shows (a count line damaged or edited by hand), which the write would destroy.
bool overwritesRecordsPastCount(QByteArrayView before, QByteArrayView after);

} // namespace tallyra
