// SPDX-License-Identifier: GPL-3.0-or-later
#include "FullRegister.h"

#include <array>

namespace tallyra {

Checkbook fullRegister()
{
    static const std::array<const char *, 12> payees = {
        "WATER COMPANY",
        "CITY POWER & LIGHT",
        "RENT",
        "GROCERY MART",
        "GAS",
        "CAFÉ DU COIN",
        "DR. SMITH, DDS",
        "PAY",
        "INSURANCE - AUTO AND HOME",
        "PHONE",
        "HARDWARE STORE",
        "SAVINGS",
    };
    Checkbook book;
    book.entryCount = MaxEntries;
    for (int i = 1; i <= MaxEntries; ++i) {
        Entry &entry = book.slot[i];
        entry.year = qint16(1996 + i / 250);
        entry.month = qint16(1 + (i / 21) % 12);
        entry.day = qint16(1 + i % 21);
        entry.payee = QString::fromUtf8(payees[i % payees.size()]);
        if (i % 9 == 0) {
            entry.checkNumber = QStringLiteral("DEP");
            entry.depositCents = 125000 + i * 7;
        } else {
            entry.checkNumber = i % 4 == 0 ? QStringLiteral("ATM") : QString::number(1000 + i);
            entry.withdrawalCents = 50 * (i % 400) + i % 97;
        }
    }
    return book;
}

} // namespace tallyra
