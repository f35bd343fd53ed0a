// SPDX-License-Identifier: GPL-3.0-or-later
#include "export/RegisterExport.h"
#include "register/FileStore.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tallyra;

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
        // The first two are reconciled and cleared, the rest not cleared.
        const QList<Entry> mixed{
            {2026, 1, 2, "DEP", "PAYROLL, INC.", 0, 123456, Clearing::Reconciled, 20260131},
            {2026, 1, 5, "1042", QString::fromUtf8("CAFÉ €URO"), 3150, 0, Clearing::Cleared},
            {2026, 2, 1, "", "SAID \"HI\"", -100, 0},
            {2026, 2, 3, "1043", "VOIDED", 0, 0},
            {99, 13, 1, "A\r\nB", "X", 0, 5},
            {2026, 3, 1, "1044", "RENT", 200000, 0},
            {2026, 3, 2, "", "EXTREMES", -2147483647 - 1, 2147483647}};
        QTest::newRow("CSV")
            << mixed << ExportFormat::Csv
            << QByteArray("\xEF\xBB\xBF"
                          "Date,Check Number,Payee,Withdrawal,Deposit,Balance,Cleared\r\n"
                          "2026-01-02,DEP,\"PAYROLL, INC.\",,1234.56,1234.56,R\r\n"
                          "2026-01-05,1042,CAF\xC3\x89 \xE2\x82\xACURO,31.50,,1203.06,c\r\n"
                          "2026-02-01,,\"SAID \"\"HI\"\"\",-1.00,,1204.06,\r\n"
                          "2026-02-03,1043,VOIDED,,,1204.06,\r\n"
                          "0099-13-01,\"A\r\nB\",X,,0.05,1204.11,\r\n"
                          "2026-03-01,1044,RENT,2000.00,,-795.89,\r\n"
                          "2026-03-02,,EXTREMES,-21474836.48,21474836.47,42948877.06,\r\n")
            << "7 entries were written to %1.";
        QTest::newRow("QIF")
            << mixed << ExportFormat::Qif
            << QByteArray(
                   "!Type:Bank\r\n"
                   "D01/02/2026\r\nT1234.56\r\nCX\r\nNDEP\r\nPPAYROLL, INC.\r\n^\r\n"
                   "D01/05/2026\r\nT-31.50\r\nC*\r\nN1042\r\nPCAF\xC3\x89 \xE2\x82\xACURO\r\n^\r\n"
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
        QVERIFY(writeFileAtomically(path, QByteArray(5000, 'x')).ok); // a longer file is replaced
        Checkbook book;
        book.entryCount = qint16(entries.size());
        std::copy(entries.begin(), entries.end(), book.slot.begin() + 1);
        // A free slot past the count keeps an entry that must never be exported.
        book.slot[entries.size() + 1] = Entry{2030, 1, 1, "FREE", "NOT EXPORTED", 1, 0};
        const ExportResult result = tallyra::exportRegister(book, format, path);
        QCOMPARE(readWholeFile(path).value_or(QByteArray()), file);
        QCOMPARE(exportResultText(result), told.arg(path));
    }

    // The name typed in the save dialog and the type chosen there decide what goes where.
    void target_data()
    {
        const QStringList filters = saveFilters(ExportTypes).split(QStringLiteral(";;"));
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<ExportFormat>("format");
        QTest::addColumn<QString>("path");
        QTest::newRow("no ending, QIF") << "/h/x" << filters[1] << ExportFormat::Qif << "/h/x.qif";
        QTest::newRow(".QIF wins") << "/h/x.QIF" << filters[0] << ExportFormat::Qif << "/h/x.QIF";
    }
    void target()
    {
        QFETCH(QString, typed);
        QFETCH(QString, filter);
        const SaveTarget target = saveTarget(ExportTypes, typed, filter);
        QTEST(ExportFormat(target.type), "format");
        QTEST(target.path, "path");
    }
};

QTEST_GUILESS_MAIN(ExportTest)
#include "tst_export.moc"
