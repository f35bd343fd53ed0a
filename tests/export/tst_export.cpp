// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/RegisterExport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace tallyra;

Q_DECLARE_METATYPE(tallyra::Entry)
Q_DECLARE_METATYPE(tallyra::ExportFormat)

namespace {

Checkbook bookOf(const QList<Entry> &entries)
{
    Checkbook book;
    book.entryCount = qint16(entries.size());
    for (int i = 0; i < entries.size(); ++i)
        book.slot[i + 1] = entries[i];
    // A free slot past the count must never be exported.
    book.slot[entries.size() + 1] = Entry{2030, 1, 1, "FREE", "NOT EXPORTED", 1, 0};
    return book;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class ExportTest : public QObject
{
    Q_OBJECT

private slots:
    // The whole file, byte for byte, as written to disk, and what the user is told.
    void exportRegister_data()
    {
        QTest::addColumn<QList<Entry>>("entries");
        QTest::addColumn<ExportFormat>("format");
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("told");

        // Deposit, withdrawal, a negative withdrawal, a Neither entry, an impossible date, a
        // balance below zero, and both extremes of a stored amount, whose sum needs 64 bits.
        // Texts hold a comma, a quote, a line break and characters outside ASCII.
        const QList<Entry> mixed{
            {2026, 1, 2, "DEP", "PAYROLL, INC.", 0, 123456},
            {2026, 1, 5, "1042", QString::fromUtf8("CAFÉ €URO"), 3150, 0},
            {2026, 2, 1, "", "SAID \"HI\"", -100, 0},
            {2026, 2, 3, "1043", "VOIDED", 0, 0},
            {99, 13, 1, "A\r\nB", "X", 0, 5},
            {2026, 3, 1, "1044", "RENT", 200000, 0},
            {2026, 3, 2, "", "EXTREMES", -2147483647 - 1, 2147483647},
        };
        QTest::newRow("CSV") << mixed << ExportFormat::Csv
                             << QByteArray("\xEF\xBB\xBF"
                                           "Date,Check Number,Payee,Withdrawal,Deposit,Balance\r\n"
                                           "2026-01-02,DEP,\"PAYROLL, INC.\",,1234.56,1234.56\r\n"
                                           "2026-01-05,1042,CAF\xC3\x89 \xE2\x82\xAC"
                                           "URO,31.50,,1203.06\r\n"
                                           "2026-02-01,,\"SAID \"\"HI\"\"\",-1.00,,1204.06\r\n"
                                           "2026-02-03,1043,VOIDED,,,1204.06\r\n"
                                           "0099-13-01,\"A\r\nB\",X,,0.05,1204.11\r\n"
                                           "2026-03-01,1044,RENT,2000.00,,-795.89\r\n"
                                           "2026-03-02,,EXTREMES,-21474836.48,21474836.47,"
                                           "42948877.06\r\n")
                             << "7 entries were written to %1.";
        QTest::newRow("QIF") << mixed << ExportFormat::Qif
                             << QByteArray(
                                    "!Type:Bank\r\n"
                                    "D01/02/2026\r\nT1234.56\r\nNDEP\r\nPPAYROLL, INC.\r\n^\r\n"
                                    "D01/05/2026\r\nT-31.50\r\nN1042\r\n"
                                    "PCAF\xC3\x89 \xE2\x82\xAC"
                                    "URO\r\n^\r\n"
                                    "D02/01/2026\r\nT1.00\r\nPSAID \"HI\"\r\n^\r\n"
                                    "D02/03/2026\r\nT0.00\r\nN1043\r\nPVOIDED\r\n^\r\n"
                                    "D13/01/0099\r\nT0.05\r\nNA  B\r\nPX\r\n^\r\n"
                                    "D03/01/2026\r\nT-2000.00\r\nN1044\r\nPRENT\r\n^\r\n"
                                    "D03/02/2026\r\nT42949672.95\r\nPEXTREMES\r\n^\r\n")
                             << "7 entries were written to %1.";

        // No payee: no P line.
        QTest::newRow("one entry, no payee, QIF")
            << QList<Entry>{{2026, 12, 7, "ATM", "", 2000, 0}} << ExportFormat::Qif
            << QByteArray("!Type:Bank\r\nD12/07/2026\r\nT-20.00\r\nNATM\r\n^\r\n")
            << "1 entry was written to %1.";

        QTest::newRow("empty CSV") << QList<Entry>() << ExportFormat::Csv
                                   << QByteArray("\xEF\xBB\xBF"
                                                 "Date,Check Number,Payee,Withdrawal,Deposit,"
                                                 "Balance\r\n")
                                   << "0 entries were written to %1.";
        QTest::newRow("empty QIF")
            << QList<Entry>() << ExportFormat::Qif << QByteArray("!Type:Bank\r\n")
            << "0 entries were written to %1.";
    }
    void exportRegister()
    {
        QFETCH(QList<Entry>, entries);
        QFETCH(ExportFormat, format);
        QFETCH(QByteArray, file);
        QFETCH(QString, told);
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("out"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write(QByteArray(5000, 'x')) == 5000);
        old.close();

        const ExportResult result = tallyra::exportRegister(bookOf(entries), format, path);
        QVERIFY(result.ok);
        QCOMPARE(result.count, int(entries.size()));
        QCOMPARE(fileBytes(path), file);
        QCOMPARE(exportResultText(result), told.arg(path));
    }

    // A failed write reports why and leaves no file, half or whole, beside the target.
    void failedWrite_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("folder missing") << "missing/out.csv";
        QTest::newRow("name is a folder") << "folder";
    }
    void failedWrite()
    {
        QFETCH(QString, name);
        const QTemporaryDir temp;
        QVERIFY(QDir(temp.path()).mkdir(QStringLiteral("folder")));
        const QDir folder(temp.path(), {}, QDir::Name,
                          QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

        const QString path = temp.filePath(name);
        const ExportResult result = tallyra::exportRegister(bookOf({{2026, 1, 2, "1", "A", 1, 0}}),
                                                            ExportFormat::Csv, path);
        QVERIFY(!result.ok);
        QVERIFY(!result.error.isEmpty());
        QCOMPARE(
            exportResultText(result),
            QStringLiteral("The register could not be exported to %1: %2").arg(path, result.error));
        QCOMPARE(folder.entryList(), QStringList{"folder"});
    }

    // The name typed in the save dialog and the type chosen there decide what goes where.
    void target_data()
    {
        const QStringList filters = exportFilters().split(QStringLiteral(";;"));
        QCOMPARE(filters.size(), 2);
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<ExportFormat>("format");
        QTest::addColumn<QString>("path");
        const QString csv = filters[0];
        const QString qif = filters[1];
        QTest::newRow("no ending, QIF") << "/h/x" << qif << ExportFormat::Qif << "/h/x.qif";
        QTest::newRow("dot in folder only, CSV")
            << "/h/a.b/x" << csv << ExportFormat::Csv << "/h/a.b/x.csv";
        QTest::newRow("ending beats type") << "/h/x.QIF" << csv << ExportFormat::Qif << "/h/x.QIF";
        QTest::newRow("csv ending, QIF type")
            << "/h/x.csv" << qif << ExportFormat::Csv << "/h/x.csv";
        QTest::newRow("other ending kept") << "/h/x.txt" << qif << ExportFormat::Qif << "/h/x.txt";
    }
    void target()
    {
        QFETCH(QString, typed);
        QFETCH(QString, filter);
        const ExportTarget target = exportTarget(typed, filter);
        QTEST(target.format, "format");
        QTEST(target.path, "path");
    }

    void defaultName()
    {
        QCOMPARE(defaultExportName(QDate(2027, 1, 31), ExportFormat::Qif),
                 "tallyra-2027-01-31.qif");
    }
};

QTEST_GUILESS_MAIN(ExportTest)
#include "tst_export.moc"
