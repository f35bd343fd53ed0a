// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/ReportSurface.h"
#include "register/Checkbook.h"
#include "report/DateRange.h"

#include <QString>

#include <optional>

namespace tallyra {

// Prints the entries of the range as one job: the title and the range on the first page,
// headings and a ruled grid on every page, a page number at the foot of each. Gives the
// reason when the pages could not be made.
std::optional<QString> printReport(const Checkbook &book, const ReportRange &range,
                                   ReportSurface &surface);

// The bold headings line and its rule, at the current position.
void printColumnHeadings(ReportSurface &surface);

} // namespace tallyra
