// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/EntryChecks.h"

#include "entry/FieldValue.h"
#include "entry/MoneyFormat.h"
#include "register/Entry.h"
#include "register/TextCodec.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <cmath>
#include <limits>

namespace tallyra {

namespace {

FailedCheck rejected(EntryField field, const QString &title, const QString &text)
{
    return FailedCheck{.field = field, .title = title, .text = text};
}

std::optional<FailedCheck> rangeCheck(const EntryTexts &texts, const char *yearMessage)
{
    const double year = fieldValue(texts.year);
    if (year < 1900 || year > 9999)
        return rejected(EntryField::Year, QCoreApplication::translate("EntryChecks", "Need Year"),
                        QCoreApplication::translate("EntryChecks", yearMessage));
    const double month = fieldValue(texts.month);
    if (month < 1 || month > 12)
        return rejected(
            EntryField::Month, QCoreApplication::translate("EntryChecks", "Need Month"),
            QCoreApplication::translate("EntryChecks", "Enter a valid month in the month field."));
    const double day = fieldValue(texts.day);
    if (day < 1 || day > 31)
        return rejected(
            EntryField::Day, QCoreApplication::translate("EntryChecks", "Need Day"),
            QCoreApplication::translate("EntryChecks", "Enter a valid day in the day field."));
    return std::nullopt;
}

// Commas between thousands, whatever the user's regional settings.
QString groupedNumber(qsizetype number)
{
    QLocale numbers = QLocale::c();
    numbers.setNumberOptions(QLocale::DefaultNumberOptions);
    return numbers.toString(qint64(number));
}

FailedCheck rejectedPart(EntryField field, const QString &title, const QString &text, qsizetype at,
                         qsizetype length)
{
    FailedCheck failed = rejected(field, title, text);
    failed.badCharAt = at;
    failed.badCharLength = length;
    return failed;
}

// How the message names a character the file cannot hold; a control character would show as
// nothing, or break the message's lines.
QString characterName(QStringView text, qsizetype at, qsizetype length)
{
    const QChar c = text[at];
    if (c == u'"')
        return QCoreApplication::translate("EntryChecks", "a double quote");
    if (c == u'\r' || c == u'\n')
        return QCoreApplication::translate("EntryChecks", "a line break");
    if (c == u'\t')
        return QCoreApplication::translate("EntryChecks", "a tab");
    if (c.category() == QChar::Other_Control)
        return QCoreApplication::translate("EntryChecks", "a control character (U+%1)")
            .arg(QString::number(c.unicode(), 16).toUpper().rightJustified(4, u'0'));
    return QCoreApplication::translate("EntryChecks", "the character \"%1\"")
        .arg(text.mid(at, length));
}

// A text field must hold something, no more than an entry takes, and only what the data file
// can store unchanged. What is wrong is selected for the user, never cut or changed.
std::optional<FailedCheck> textCheck(const QString &text, EntryField field, const QString &name,
                                     const QString &emptyTitle)
{
    if (text.isEmpty())
        return rejected(
            field, emptyTitle,
            QCoreApplication::translate("EntryChecks", "Must enter something in the %1 field.")
                .arg(name));
    if (text.size() > MaxTextLength)
        return rejectedPart(
            field, QCoreApplication::translate("EntryChecks", "Too Long"),
            QCoreApplication::translate("EntryChecks",
                                        "The %1 field cannot hold more than %2 characters; "
                                        "it holds %3.")
                .arg(name, groupedNumber(MaxTextLength), groupedNumber(text.size())),
            MaxTextLength, text.size() - MaxTextLength);
    const qsizetype at = firstUnstorableChar(text);
    if (at < 0)
        return std::nullopt;
    const qsizetype length = text[at].isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
    return rejectedPart(field, QCoreApplication::translate("EntryChecks", "Invalid Character"),
                        QCoreApplication::translate("EntryChecks", "The %1 field cannot hold %2.")
                            .arg(name, characterName(text, at, length)),
                        at, length);
}

// The date values in their shortest plain form: 05 shows as 5, 5.5 as 5.5.
QString plainNumber(double value)
{
    return QString::number(value, 'f', QLocale::FloatingPointShortest);
}

} // namespace

std::optional<FailedCheck> firstFailedCheck(const EntryTexts &texts, const char *yearMessage)
{
    if (auto failed = rangeCheck(texts, yearMessage))
        return failed;
    if (auto failed = textCheck(texts.checkNumber, EntryField::CheckNumber,
                                QCoreApplication::translate("EntryChecks", "check number"),
                                QCoreApplication::translate("EntryChecks", "Need Check Number")))
        return failed;
    if (auto failed = textCheck(texts.payee, EntryField::Payee,
                                QCoreApplication::translate("EntryChecks", "payee"),
                                QCoreApplication::translate("EntryChecks", "Need Payee")))
        return failed;

    const double amount = amountCents(texts.dollars, texts.cents);
    if (amount == 0)
        return FailedCheck{.zeroAmountQuestion = true,
                           .field = EntryField::Dollars,
                           .title = QCoreApplication::translate("EntryChecks", "Zero For Amount"),
                           .text = QCoreApplication::translate(
                               "EntryChecks", "You have entered 0 in the amount field.\r\n"
                                              "Do you wish to continue?")};
    const double cents = std::floor(fieldValue(texts.cents));
    const bool outOfRange = cents > 99 || cents < 0 || std::floor(fieldValue(texts.dollars)) < 0;
    if (outOfRange || !storableCents(texts))
        return rejected(EntryField::Dollars,
                        QCoreApplication::translate("EntryChecks", "Invalid Amount"),
                        QCoreApplication::translate("EntryChecks", "Invalid amount."));
    return std::nullopt;
}

std::optional<qint32> storableCents(const EntryTexts &texts)
{
    const double amount = amountCents(texts.dollars, texts.cents);
    // Written so that a NaN fails too.
    if (!(amount >= std::numeric_limits<qint32>::min() &&
          amount <= std::numeric_limits<qint32>::max()))
        return std::nullopt;
    return qint32(amount);
}

QString entrySummary(const char *heading, const EntryTexts &texts)
{
    const QString date = plainNumber(fieldValue(texts.month)) + QLatin1Char('-') +
                         plainNumber(fieldValue(texts.day)) + QLatin1Char('-') +
                         plainNumber(fieldValue(texts.year));
    // The checks refuse every amount that does not fit before the summary is shown.
    const qint32 amount = storableCents(texts).value_or(0);
    const QStringList lines = {
        QCoreApplication::translate("EntryChecks", heading),
        QCoreApplication::translate("EntryChecks", "Date: %1").arg(date),
        QCoreApplication::translate("EntryChecks", "Check Number: %1").arg(texts.checkNumber),
        QCoreApplication::translate("EntryChecks", "Payee: %1").arg(texts.payee),
        QCoreApplication::translate("EntryChecks", "Amount: %1").arg(formatMoney(amount)),
        QCoreApplication::translate("EntryChecks", "Do you wish to continue?"),
    };
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace tallyra
