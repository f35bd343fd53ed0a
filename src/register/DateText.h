// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "register/Entry.h"

#include <QByteArray>
#include <QDate>
#include <QString>

namespace tallyra {

// How the program writes a date. The parts are taken as they are: a date from a hand-edited
// file may be impossible (month 13, year 99), and it is written as stored.

// 5/18/2000: the list, the chart and the messages.
QString slashDate(int month, int day, int year);

// 5-18-2000: the printed report and the statement window. Typed parts go through as typed.
QString dashDate(const QString &month, const QString &day, const QString &year);
QString dashDate(int month, int day, int year);

// 2000-05-18, each part zero-filled after its sign: file names and exports.
QString isoDate(int year, int month, int day);
// The same in Latin-1, added to the end of `out`.
void appendIsoDate(QByteArray &out, int year, int month, int day);

inline qint32 dateKey(QDate date)
{
    return dateKey(date.year(), date.month(), date.day());
}

// The date a dateKey names (invalid for an impossible one).
inline QDate dateOfKey(qint32 key)
{
    return QDate(key / 10000, key / 100 % 100, key % 100);
}

inline QString slashDate(const Entry &entry)
{
    return slashDate(entry.month, entry.day, entry.year);
}

inline QString slashDate(QDate date)
{
    return slashDate(date.month(), date.day(), date.year());
}

inline QString dashDate(const Entry &entry)
{
    return dashDate(entry.month, entry.day, entry.year);
}

inline QString isoDate(const Entry &entry)
{
    return isoDate(entry.year, entry.month, entry.day);
}

inline QString isoDate(QDate date)
{
    return isoDate(date.year(), date.month(), date.day());
}

} // namespace tallyra
