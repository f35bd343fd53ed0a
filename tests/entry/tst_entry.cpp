// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/EntryChecks.h"

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
            {QChar(0x1B), "a control character (U+001B)"},
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
};

QTEST_GUILESS_MAIN(TestEntry)
#include "tst_entry.moc"
