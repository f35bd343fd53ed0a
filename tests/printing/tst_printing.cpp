// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"
#include "platform/PrinterSurface.h"
#include "report/frmPrint.h"

#include <QProcess>
#include <QPushButton>

using namespace tallyra;
using namespace tallyra::test;

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    if (!process.waitForFinished(20000))
        return QStringLiteral("%1 did not finish").arg(program);
    return QString::fromLocal8Bit(process.readAll()) +
           (process.exitCode() == 0 ? QString()
                                    : QStringLiteral("exit %1").arg(process.exitCode()));
}

QString pdfText(const QString &path)
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, "-"});
}

// The job's file once the queue has finished it, waited for a few seconds at most. The printer
// model wraps the PDF in printer commands, which pdftotext passes over.
bool wholePdfAppears(const QString &path)
{
    QDeadlineTimer deadline(8000);
    while (!deadline.hasExpired()) {
        if (fileBytes(path).contains("%%EOF") &&
            run(QStringLiteral("lpstat"), {QStringLiteral("-o")}).isEmpty())
            return true;
        QTest::qWait(50);
    }
    return false;
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
    bool m_started = false;

    QString queueFile() const { return m_server.filePath(QStringLiteral("out/job.pdf")); }
    QString cupsd(const QString &action) const
    {
        return run(QStringLiteral(TALLYRA_PRIVATE_CUPSD), {action, m_server.path()});
    }

private slots:
    void initTestCase()
    {
        qputenv("CUPS_SERVER", QFile::encodeName(m_server.filePath(QStringLiteral("cups.sock"))));
        qputenv("HOME", QFile::encodeName(m_home.path()));
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
        const QString started = cupsd(QStringLiteral("start"));
        if (started.contains(QLatin1String("exit 77")))
            QSKIP(qPrintable(QStringLiteral("no print server: ") + started));
        QVERIFY2(!started.contains(QLatin1String("exit ")), qPrintable(started));
        m_started = true;
    }
    void cleanupTestCase()
    {
        if (m_started)
            cupsd(QStringLiteral("stop"));
    }
    // Each case starts from the one accepting default queue, and leaves no job behind.
    void init()
    {
        failOnUnexpectedWarnings();
        QCOMPARE(cupsd(QStringLiteral("queue")), QString());
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
        const QString saved = m_home.filePath(QStringLiteral("saved.pdf"));
        QFile::remove(saved);
        fakes.prompter.answers = {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::Ok};
        fakes.prompter.fileAnswers = {saved};
        const Checkbook book = registerOf(QStringLiteral("5/3W 6/1D"));
        FrmPrint window(book, platform);
        window.show();
        child<QPushButton>(&window, QStringLiteral("cmdPrint"))->click();

        QCOMPARE(fakes.prompter.titles(),
                 reason.isEmpty() ? QStringList()
                                  : QStringList({"PRINT FAILED", "Save As PDF", "Report Saved"}));
        if (!reason.isEmpty()) {
            QCOMPARE(fakes.prompter.shown.front().text, "Nothing was printed: " + reason);
            QVERIFY(fakes.prompter.suggestedFiles.front().startsWith(m_home.path()));
        }
        // The pages go to the queue or to the saved copy, never both.
        const QString pages = reason.isEmpty() ? queueFile() : saved;
        QVERIFY2(
            wholePdfAppears(pages),
            fileBytes(m_server.filePath(QStringLiteral("log/error_log"))).right(3000).constData());
        QVERIFY(!QFile::exists(reason.isEmpty() ? saved : queueFile()));
        const QString text = pdfText(pages);
        QVERIFY2(text.contains(QLatin1String("Report valid: 1-1-1990 to 6-7-2001")),
                 qPrintable(text));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("5-3-2001 +ATM +E1 +\\$1\\.00"))));
        QVERIFY(text.contains(QRegularExpression(QStringLiteral("6-1-2001 +ATM +E2 +\\$1\\.00"))));
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
