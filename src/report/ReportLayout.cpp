// SPDX-License-Identifier: GPL-3.0-or-later
#include "report/ReportLayout.h"

#include "entry/MoneyFormat.h"
#include "register/DateText.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace tallyra {

namespace {

struct ReportLayoutText
{
    Q_DECLARE_TR_FUNCTIONS(ReportLayout)
};

// Columns and rules in twips, the same on every paper size.
constexpr double DateCentre = 720;
constexpr double CheckCentre = 1980;
constexpr double PayeeCentre = 5400;
constexpr double WithdrawalRight = 9690;
constexpr double DepositRight = 11130;
constexpr double CheckWidthLimit = 1080;
constexpr double PayeeWidthLimit = 5760;
constexpr double WithdrawalLeft = 8280;
constexpr double RuleRight = 11520;
constexpr double TickHeight = 125;
constexpr double GapBelowRule = 30;
// The last tick stops short of the rule's end.
constexpr double TickXs[] = {0, 1440, 2520, 8280, 9720, 11160, 11500};

// A page breaks once an entry would start lower than this above the bottom of the page.
constexpr double BottomReserve = 1080;
constexpr double FooterInset = 100;
// The last footer does not follow the paper size.
constexpr double LastFooterX = 10440;
constexpr double LastFooterY = 14760;
constexpr double FontPoints = 10;

struct Heading
{
    const char *text;
    double centre;
};
// Printed in bold over columns an inch wide at most (the check number's three quarters, the last
// one a mark's width): translations must be as short.
constexpr Heading Headings[] = {
    {QT_TRANSLATE_NOOP("ReportLayout", "Date"), DateCentre},
    {QT_TRANSLATE_NOOP("ReportLayout", "Chk Num"), CheckCentre},
    {QT_TRANSLATE_NOOP("ReportLayout", "Payee"), PayeeCentre},
    {QT_TRANSLATE_NOOP("ReportLayout", "Withdrawal"), 9000},
    {QT_TRANSLATE_NOOP("ReportLayout", "Deposit"), 10440},
    //: The heading of the narrow last column, where a mark is made by hand: one letter.
    {QT_TRANSLATE_NOOP("ReportLayout", "x"), 11340}};

void placeCentred(ReportSurface &surface, const QString &text, double centre)
{
    surface.setCurrentX(centre - surface.textWidth(text) / 2);
}

void placeRight(ReportSurface &surface, const QString &text, double right)
{
    surface.setCurrentX(right - surface.textWidth(text));
}

// Cut at the right, one character at a time, until the text fits; no ellipsis.
QString shortened(const ReportSurface &surface, QString text, double limit)
{
    while (!text.isEmpty() && surface.textWidth(text) >= limit)
        text.chop(1);
    return text;
}

QString amountText(qint32 cents)
{
    return cents == 0 ? QString() : formatListMoney(cents);
}

// The number goes between two blanks, as a printed number carries a sign place before it.
QString footerText(int pageNumber)
{
    //: The page number at the foot of a printed page. Keep the two blanks before the number
    //: and the one after it.
    return ReportLayoutText::tr("Page  %1 ").arg(pageNumber);
}

void drawRule(ReportSurface &surface)
{
    surface.setCurrentX(0);
    const double y = std::nearbyint(surface.currentY());
    surface.drawLine(0, y, RuleRight, y);
    for (double x : TickXs)
        surface.drawLine(x, y, x, y - TickHeight);
    surface.setCurrentY(y + GapBelowRule);
}

// Footer of the finished page placed from the page size, then the headings of a new one.
void breakPage(ReportSurface &surface, int pageNumber)
{
    // Placed as though the blanks around the number were single.
    const QString measured = footerText(pageNumber).simplified();
    surface.setCurrentY(surface.pageHeight() - surface.textHeight(measured) - FooterInset);
    surface.setCurrentX(surface.pageWidth() - surface.textWidth(measured) - FooterInset);
    surface.printAndEndLine(footerText(pageNumber));
    surface.newPage();
    printColumnHeadings(surface);
}

// Amounts are never cut. One wider than its column would run into the text on its left: a
// deposit moves the withdrawal left of it, and the payee is cut until it ends a blank short of
// the amounts. Only then does the payee lose more than its column's width.
void printEntry(ReportSurface &surface, const Entry &entry)
{
    const QString date = dashDate(entry);
    placeCentred(surface, date, DateCentre);
    surface.printAndStay(date);

    const QString check = shortened(surface, entry.checkNumber, CheckWidthLimit);
    placeCentred(surface, check, CheckCentre);
    surface.printAndStay(check);

    const QString withdrawal = amountText(entry.withdrawalCents);
    const QString deposit = amountText(entry.depositCents);
    const double depositLeft = DepositRight - surface.textWidth(deposit);
    const double withdrawalRight =
        deposit.isEmpty() ? WithdrawalRight : std::min(WithdrawalRight, depositLeft);
    const double amountsLeft =
        withdrawal.isEmpty() ? depositLeft : withdrawalRight - surface.textWidth(withdrawal);
    double payeeLimit = PayeeWidthLimit;
    if (amountsLeft < WithdrawalLeft)
        payeeLimit = 2 * (amountsLeft - surface.textWidth(QStringLiteral(" ")) - PayeeCentre);

    const QString payee = shortened(surface, entry.payee, payeeLimit);
    placeCentred(surface, payee, PayeeCentre);
    surface.printAndStay(payee);

    placeRight(surface, withdrawal, withdrawalRight);
    surface.printAndStay(withdrawal);

    placeRight(surface, deposit, DepositRight);
    surface.printAndEndLine(deposit);
    drawRule(surface);
}

QString rangeLine(const DateFields &typed)
{
    //: The first date and the last date of the printed report.
    return ReportLayoutText::tr("Report valid: %1 to %2")
        .arg(dashDate(typed.startMonth, typed.startDay, typed.startYear),
             dashDate(typed.endMonth, typed.endDay, typed.endYear));
}

} // namespace

void printColumnHeadings(ReportSurface &surface)
{
    surface.setBold(true);
    surface.setFontSize(FontPoints);
    for (size_t i = 0; i < std::size(Headings); ++i) {
        const QString text = ReportLayoutText::tr(Headings[i].text);
        placeCentred(surface, text, Headings[i].centre);
        if (i + 1 < std::size(Headings))
            surface.printAndStay(text);
        else
            surface.printAndEndLine(text);
    }
    surface.setBold(false);
    drawRule(surface);
}

std::optional<QString> printReport(const Checkbook &book, const ReportRange &range,
                                   ReportSurface &surface)
{
    surface.setMediumQuality();
    surface.setFontSize(FontPoints);
    // The rules end furthest right and the last footer lowest, wherever the paper ends.
    surface.fitPage(RuleRight, LastFooterY + surface.textHeight(footerText(1)));
    surface.printAndEndLine(QStringLiteral("Tallyra ") + QLatin1String(VersionText));
    surface.printAndEndLine(rangeLine(range.typed));
    surface.printAndEndLine(QString());
    printColumnHeadings(surface);

    int pageNumber = 1;
    const int count = book.entryCount;
    for (int i = 1; i <= count; ++i) {
        surface.setFontSize(FontPoints);
        const qint32 key = dateKey(book.slot[i]);
        if (key < range.startKey || key > range.endKey)
            continue;
        if (surface.currentY() > surface.pageHeight() - BottomReserve)
            breakPage(surface, pageNumber++);
        printEntry(surface, book.slot[i]);
    }

    surface.setCurrentY(LastFooterY);
    surface.setCurrentX(LastFooterX);
    surface.printAndEndLine(footerText(pageNumber));
    return surface.endDocument();
}

} // namespace tallyra
