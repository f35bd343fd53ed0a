// SPDX-License-Identifier: GPL-3.0-or-later
#include "PdfWords.h"
#include "TestSupport.h"
#include "platform/PrinterSurface.h"
#include "report/ReportPreview.h"
#include "report/frmPrint.h"

#include <QDate>
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

// Each page's words as lines, top to bottom, a line's words left to right and one blank apart.
QList<QStringList> pageLines(QList<Word> words)
{
    std::sort(words.begin(), words.end(), [](const Word &a, const Word &b) {
        if (a.page != b.page)
            return a.page < b.page;
        return qAbs(a.box.top() - b.box.top()) > 2 ? a.box.top() < b.box.top()
                                                   : a.box.left() < b.box.left();
    });
    QList<QStringList> pages;
    double top = -100;
    for (const Word &word : words) {
        for (; pages.size() < word.page; top = -100)
            pages.append(QStringList());
        if (qAbs(word.box.top() - top) > 2) {
            pages.back().append(QString());
            top = word.box.top();
        }
        pages.back().back() += (pages.back().back().isEmpty() ? "" : " ") + word.text;
    }
    return pages;
}

// Two years of entries, every tenth day or so from 7-1-2001 to 6-30-2003, and one on each side
// of that range; with the lines they print as.
struct TwoYears
{
    Checkbook book;
    QStringList rows;

    TwoYears()
    {
        const QStringList payees{"RIVERSIDE APARTMENTS", "CITY WATER COMPANY", "PAYCHECK",
                                 "GREEN VALLEY GROCERY"};
        add(QDate(2001, 6, 30), "999", "BEFORE", 100, false);
        for (int i = 0; i < 72; ++i) {
            const bool deposit = i % 4 == 2;
            rows << add(QDate(2001, 7, 1).addDays(i * 729 / 71),
                        deposit ? "DEP" : QString::number(1000 + i), payees[i % 4],
                        1000 + 1307 * i /* below $1,000 */, deposit);
        }
        add(QDate(2003, 7, 1), "1072", "AFTER", 100, false);
    }
    QString add(QDate date, const QString &check, const QString &payee, qint32 cents, bool deposit)
    {
        book.slot[++book.entryCount] =
            Entry{qint16(date.year()), qint16(date.month()), qint16(date.day()), check, payee,
                  deposit ? 0 : cents, deposit ? cents : 0};
        return QStringLiteral("%1 %2 %3 $%4.%5")
            .arg(date.toString(QStringLiteral("M-d-yyyy")), check, payee)
            .arg(cents / 100)
            .arg(cents % 100, 2, 10, QChar(u'0'));
    }
};

// The print window over the entries, shown, with the real default printer and fakes for the rest.
struct RealPrinter
{
    explicit RealPrinter(const Checkbook &book) : held(book) { window.show(); }
    FakePlatform fakes;
    DefaultPrinter printer;
    Platform platform{fakes.prompter, fakes.clock, fakes.programEnd,
                      fakes.drive,    printer,     fakes.settings};
    const DocumentOf held;
    FrmPrint window{held.document, platform};
};

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

    // The queue's PDF printer names its files after the job.
    QString queueFile() const
    {
        const QDir out(m_server.filePath(QStringLiteral("out")));
        const QStringList files = out.entryList({QStringLiteral("*.pdf")}, QDir::Files);
        return files.isEmpty() ? QString() : out.filePath(files.front());
    }
    bool jobsLeft() const { return !run("lpstat", {"-o"}).isEmpty(); }
    QString cupsd(const char *action, const QString &paper = QString()) const
    {
        QStringList arguments{action, m_server.path()};
        if (!paper.isEmpty())
            arguments << paper;
        return run(TALLYRA_PRIVATE_CUPSD, arguments);
    }

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
    }
    // A job the queue does not take, or no default printer at all: nothing is called printed,
    // the reason is shown, and the same pages may be saved instead, never sent as well.
    void printRefused_data()
    {
        QTest::addColumn<QStringList>("setUp"); // lpadmin and friends
        QTest::addColumn<QString>("reason");
        QTest::newRow("queue refuses jobs")
            << QStringList{"cupsreject", "TallyraTest"}
            << R"(the printer "TallyraTest" did not take the job: Destination "TallyraTest" is not )"
               "accepting jobs.";
        QTest::newRow("no default printer")
            << QStringList{"lpadmin", "-x", "TallyraTest"}
            << "there is no default printer: No default destination.  Choose one in the system's "
               "printer settings, then print again.";
    }
    void printRefused()
    {
        QFETCH(QStringList, setUp);
        QFETCH(QString, reason);
        QCOMPARE(run(setUp.front(), setUp.mid(1)), QString());
        RealPrinter real(registerOf(QStringLiteral("5/3W 6/1D")));
        const QString saved = m_home.filePath(QTest::currentDataTag()).append(".pdf");
        real.fakes.prompter.answers = {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::Ok};
        real.fakes.prompter.fileAnswers = {saved};
        child<QPushButton>(&real.window, QStringLiteral("cmdPrint"))->click();

        // tst_report follows the boxes and the saving; here the reason and what was saved.
        QCOMPARE(real.fakes.prompter.shown.front().text, "Nothing was printed: " + reason);
        QVERIFY(queueFile().isEmpty());
        const QString text = run("pdftotext", {"-layout", saved, "-"});
        QVERIFY2(text.contains(QRegularExpression("Report valid: 1-1-1990 to 6-7-2001[\\s\\S]*"
                                                  "5-3-2001 +ATM +E1 +\\$1\\.00[\\s\\S]*"
                                                  "6-1-2001 +ATM +E2 +\\$1\\.00")),
                 qPrintable(text));
    }

    // The report through the PDF printer's filters on its own paper, read back word by word:
    // each page on that paper, every word inside it, the title and range, the headings atop
    // every page, every entry in the range in order and no other, the page number lowest on
    // each page. Printed from the window, or from the preview, which shows as many pages.
    void paper_data()
    {
        QTest::addColumn<QString>("paper");
        QTest::addColumn<QSizeF>("points");
        QTest::addColumn<bool>("fromPreview");
        QTest::newRow("A4, from the preview") << "A4" << QSizeF(595, 842) << true;
        QTest::newRow("Letter") << "Letter" << QSizeF(612, 792) << false;
    }
    void paper()
    {
        QFETCH(QString, paper);
        QFETCH(QSizeF, points);
        QFETCH(bool, fromPreview);
        QCOMPARE(cupsd("queue", paper), QString());
        const TwoYears entries;
        RealPrinter real(entries.book);
        typeInto(&real.window, "txtStartMonth=7 txtStartDay=1 txtStartYear=2001 txtEndMonth=6 "
                               "txtEndDay=30 txtEndYear=2003");
        int previewed = 0;
        NextModal<ReportPreview> preview([&](ReportPreview *shown) {
            previewed = shown->pageCount();
            child<QPushButton>(shown, "cmdPrint")->click();
        });
        child<QPushButton>(&real.window, fromPreview ? "cmdPreview" : "cmdPrint")->click();
        QCOMPARE(preview.handled(), fromPreview);
        const QString sentAs = real.window.reportSentAs();
        QVERIFY2(sentAs.contains(QRegularExpression("^Sent to TallyraTest as job [1-9]")),
                 qPrintable(sentAs + real.fakes.prompter.titles().join(", ")));
        QCOMPARE(real.fakes.prompter.titles(), QStringList());
        QTRY_VERIFY2_WITH_TIMEOUT(!queueFile().isEmpty() && !jobsLeft(), qPrintable(serverLog()),
                                  15000);

        const QList<Word> words = pdfWords(queueFile());
        for (const Word &word : words) {
            QCOMPARE(word.pageSize, points);
            QVERIFY2(
                QRectF(QPointF(), points).adjusted(-0.01, -0.01, 0.01, 0.01).contains(word.box),
                qPrintable(QStringLiteral("%1 on page %2").arg(word.text).arg(word.page)));
        }
        const QList<QStringList> pages = pageLines(words);
        QVERIFY(pages.size() > 1);
        QCOMPARE(previewed, fromPreview ? pages.size() : 0);
        const QString headings = "Date Chk Num Payee Withdrawal Deposit x";
        QCOMPARE(pages[0].mid(0, 3),
                 (QStringList{"Tallyra 1.3", "Report valid: 7-1-2001 to 6-30-2003", headings}));
        QStringList rows;
        for (int i = 0; i < pages.size(); ++i) {
            const QStringList &lines = pages[i];
            const int top = i == 0 ? 2 : 0;
            QCOMPARE(lines[top], headings);
            QCOMPARE(lines.back(), QStringLiteral("Page %1").arg(i + 1));
            rows << lines.mid(top + 1, lines.size() - top - 2);
        }
        QCOMPARE(rows, entries.rows);
    }

private:
    QString serverLog() const
    {
        return QString::fromLocal8Bit(fileBytes(m_server.filePath("log/error_log")).right(3000));
    }
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
