// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "platform/PrinterSurface.h"
#include "report/frmPrint.h"

#include <QProcess>
#include <QPushButton>

using namespace tallyra;
using namespace tallyra::test;

namespace {

// What the program says, and "exit N" when it fails.
QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(20000);
    const int exit = finished ? process.exitCode() : -1;
    return QString::fromLocal8Bit(process.readAll()) + (exit ? QString("exit %1").arg(exit) : "");
}

} // namespace

// The report printed through the real default printer, against a print server of the test's
// own (private-cupsd.sh): the system's CUPS and its printers are never asked. The process's
// CUPS_SERVER points at it before anything loads libcups, and HOME at a folder of the test's,
// so that no lpoptions of the user choose another printer.
class TestPrinting : public QObject
{
    Q_OBJECT

    QTemporaryDir m_server;
    QTemporaryDir m_home;

    QString queueFile() const { return m_server.filePath(QStringLiteral("out/job.pdf")); }
    QString cupsd(const char *a) const { return run(TALLYRA_PRIVATE_CUPSD, {a, m_server.path()}); }

private slots:
    void initTestCase()
    {
        qputenv("CUPS_SERVER", QFile::encodeName(m_server.filePath(QStringLiteral("cups.sock"))));
        qputenv("HOME", QFile::encodeName(m_home.path()));
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
        const QString started = cupsd("start");
        // CI installs every package the test needs, so there a missing one is a fault.
        if (started.contains(QLatin1String("exit 77")) && qEnvironmentVariable("CI") == "true")
            QFAIL(qPrintable(QStringLiteral("no print server: ") + started));
        if (started.contains(QLatin1String("exit 77")))
            QSKIP(qPrintable(QStringLiteral("no print server: ") + started));
        QVERIFY2(!started.contains(QLatin1String("exit ")), qPrintable(started));
    }
    void cleanupTestCase() { cupsd("stop"); }
    // Each case starts from the one accepting default queue, and leaves no job behind.
    void init()
    {
        failOnUnexpectedWarnings();
        QCOMPARE(cupsd("queue"), QString());
        QFile::remove(queueFile());
    }
    // The report reaches the queue, or nothing is called printed: the reason is shown, and
    // the same pages may be saved instead.
    void print_data()
    {
        QTest::addColumn<QStringList>("setUp"); // lpadmin and friends
        QTest::addColumn<QString>("reason");    // empty: printed
        QTest::newRow("printed") << QStringList() << QString();
        QTest::newRow("queue refuses jobs")
            << QStringList{"cupsreject", "TallyraTest"}
            << R"(the printer "TallyraTest" did not take the job: Destination "TallyraTest" is not )"
               "accepting jobs.";
        QTest::newRow("no default printer")
            << QStringList{"lpadmin", "-x", "TallyraTest"}
            << "there is no default printer: No default destination.  Choose one in the system's "
               "printer settings, then print again.";
    }
    void print()
    {
        QFETCH(QStringList, setUp);
        QFETCH(QString, reason);
        if (!setUp.isEmpty())
            QCOMPARE(run(setUp.front(), setUp.mid(1)), QString());
        FakePlatform fakes;
        DefaultPrinter printer;
        Platform platform{fakes.prompter, fakes.clock, fakes.programEnd,
                          fakes.drive,    printer,     fakes.settings};
        const QString saved = m_home.filePath(QTest::currentDataTag()).append(".pdf");
        fakes.prompter.answers = {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::Ok};
        fakes.prompter.fileAnswers = {saved};
        const Checkbook book = registerOf(QStringLiteral("5/3W 6/1D"));
        FrmPrint window(book, platform);
        window.show();
        child<QPushButton>(&window, QStringLiteral("cmdPrint"))->click();

        const QStringList offered{"PRINT FAILED", "Save As PDF", "Report Saved"};
        QCOMPARE(fakes.prompter.titles(), reason.isEmpty() ? QStringList() : offered);
        if (!reason.isEmpty())
            QCOMPARE(fakes.prompter.shown.front().text, "Nothing was printed: " + reason);
        const QString sentAs = window.reportSentAs();
        QVERIFY2(reason.isEmpty()
                     ? sentAs.contains(QRegularExpression("^Sent to TallyraTest as job [1-9]"))
                     : sentAs == "Report saved as " + saved,
                 qPrintable(sentAs));
        // The pages go to the queue or to the saved copy, never both. The queue's file is whole
        // once no job is left; the printer model wraps the PDF in commands pdftotext passes over.
        const QString pages = reason.isEmpty() ? queueFile() : saved;
        QTRY_VERIFY2_WITH_TIMEOUT(
            fileBytes(pages).contains("%%EOF") && run("lpstat", {"-o"}).isEmpty(),
            fileBytes(m_server.filePath("log/error_log")).right(3000).constData(), 8000);
        QVERIFY(!QFile::exists(reason.isEmpty() ? saved : queueFile()));
        const QString text = run("pdftotext", {"-layout", pages, "-"});
        QVERIFY2(text.contains(QRegularExpression("Report valid: 1-1-1990 to 6-7-2001[\\s\\S]*"
                                                  "5-3-2001 +ATM +E1 +\\$1\\.00[\\s\\S]*"
                                                  "6-1-2001 +ATM +E2 +\\$1\\.00")),
                 qPrintable(text));
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
