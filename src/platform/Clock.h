// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>

namespace tallyra {

// Today's date, behind an interface so that tests can fix it.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

class SystemClock final : public Clock
{
public:
    QDate today() const override { return QDate::currentDate(); }
};

} // namespace tallyra
