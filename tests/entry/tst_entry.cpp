// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/EntryChecks.h"
#include "entry/TypedDate.h"

#include <QTest>

using namespace tallyra;

class TestEntry : public QObject
{
    Q_OBJECT

private slots:
    // A control character in either text the file stores is refused by name and selected,
    // in the check number and the payee alike; nothing is cut or changed.
    void controlCharacters_data()
    {
        QTest::addColumn<bool>("inPayee");
        QTest::addColumn<QChar>("character");
        QTest::addColumn<QString>("named");
        const QList<std::pair<QChar, QString>> controls{
            {u'\t', "a tab"},
            {QChar(0x7F), "a control character (U+007F)"},
            {QChar(0), "a control character (U+0000)"},
            {QChar(0x85), "a control character (U+0085)"},
            {QChar(0x9F), "a control character (U+009F)"},
            {u'\n', "a line break"},
        };
        for (bool inPayee : {false, true})
            for (const auto &[character, named] : controls)
                QTest::addRow("%s %s", inPayee ? "payee" : "check number", qPrintable(named))
                    << inPayee << character << named;
    }
    void controlCharacters()
    {
        QFETCH(bool, inPayee);
        QFETCH(QChar, character);
        QFETCH(QString, named);
        EntryTexts texts{"2001", "6", "7", "ATM", "GAS", "5", "00"};
        (inPayee ? texts.payee : texts.checkNumber) = QStringLiteral("AB") + character + u'C';
        const std::optional<FailedCheck> failed = firstFailedCheck(texts, MainYearMessage);
        QVERIFY(failed);
        QCOMPARE(failed->field, inPayee ? EntryField::Payee : EntryField::CheckNumber);
        QCOMPARE(failed->title, "Invalid Character");
        QCOMPARE(failed->text, QStringLiteral("The %1 field cannot hold %2.")
                                   .arg(inPayee ? "payee" : "check number", named));
        QCOMPARE(failed->badCharAt, 2);
        QCOMPARE(failed->badCharLength, 1);
    }

    // Each window keeps its own earliest year; a date of the calendar must also be whole.
    void typedDate_data()
    {
        QTest::addColumn<QString>("fields"); // month, day, year
        QTest::addColumn<int>("earliestYear");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QDate>("calendarDay");
        const auto row = [](const char *name, const char *fields, int earliest, const char *key,
                            QDate day) {
            QTest::newRow(name) << QString::fromUtf8(fields) << earliest << QString::fromUtf8(key)
                                << day;
        };
        row("1900 from 1900", "1|1|1900", 1900, "19000101", QDate(1900, 1, 1));
        row("1959 from 1960", "12|31|1959", 1960, "rejected", QDate());
        row("9999, the last year", "12|31|9999", 1960, "99991231", QDate(9999, 12, 31));
        row("10000", "1|1|10000", 1900, "rejected", QDate());
        row("month 0", "0|1|2001", 1900, "rejected", QDate());
        row("no number", "x|1|2001", 1900, "rejected", QDate());
        row("31 February is typed but no day", "2|31|2000", 1900, "20000231", QDate());
        row("a fraction is kept but no day", "11.6|1|1990", 1900, "19901161", QDate());
    }
    void typedDate()
    {
        QFETCH(QString, fields);
        QFETCH(int, earliestYear);
        const QStringList f = fields.split(u'|');
        const std::optional<TypedDate> typed = tallyra::typedDate(f[0], f[1], f[2], earliestYear);
        QTEST(typed ? QString::number(typed->key()) : "rejected", "key");
        QTEST(typed ? typed->calendarDay().value_or(QDate()) : QDate(), "calendarDay");
    }
};

QTEST_GUILESS_MAIN(TestEntry)
#include "tst_entry.moc"
