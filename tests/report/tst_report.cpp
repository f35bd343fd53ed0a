// SPDX-License-Identifier: GPL-3.0-or-later
#include "PdfWords.h"
#include "TestSupport.h"
#include "platform/PrinterSurface.h"
#include "report/ReportLayout.h"
#include "report/ReportPreview.h"
#include "report/frmPrint.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include <limits>

#ifndef Q_OS_WIN
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#endif

using namespace tallyra;
using namespace tallyra::test;

namespace {

const ReportRange WholeRange{19900101, 20010607, {"1", "1", "1990", "6", "7", "2001"}};

// The widest amounts beside payees too wide for their column, and enough entries for a
// second page.
Checkbook widestEntries()
{
    constexpr qint32 Most = std::numeric_limits<qint32>::max();
    constexpr qint32 Least = std::numeric_limits<qint32>::min();
    Checkbook book = januaryDays(70);
    const QString payee(70, u'W');
    book.slot[1] = Entry{2001, 1, 1, QString(20, u'8'), payee, Least, 0};
    book.slot[2] = Entry{2001, 1, 2, "ATM", payee, 0, Most};
    book.slot[3] = Entry{2001, 1, 3, "ATM", payee, Least, Most};
    book.slot[4] = Entry{2001, 1, 4, "ATM", payee, 100, 0};
    return book;
}

QStringList headingsAt(double y)
{
    return QStringList{"Date@520",        "Chk Num@1630",  "Payee@5150",
                       "Withdrawal@8500", "Deposit@10090", "x@11290"}
        .replaceInStrings(QRegularExpression("$"), QStringLiteral(",%1 bold").arg(y));
}

#ifndef Q_OS_WIN
// A print server on this machine that takes every connection and never answers: the system
// accepts for it, and it reads nothing.
struct SilentServer
{
    int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    quint16 port = 0;

    SilentServer()
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (::bind(fd, reinterpret_cast<sockaddr *>(&address), length) != 0 ||
            ::listen(fd, 16) != 0 ||
            ::getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length) != 0)
            qFatal("no silent server");
        port = ntohs(address.sin_port);
    }
    ~SilentServer() { ::close(fd); }
};
#endif

} // namespace

// The layout is checked on a recording surface with fixed metrics: 90 twips a character (100
// in bold), 240 a line. Page 1 rows start at y 990 and take 270 twips each.
class TestReport : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    // What typedDate() takes, and the first and last day the range allows, is checked in
    // tst_entry; tst_chart's default ranges pass here, a single day among them.
    void dateRange_data()
    {
        QTest::addColumn<QString>("fields"); // start month, day, year, end month, day, year
        QTest::addColumn<QString>("keys");
        const auto row = [](const char *name, const char *fields, const char *keys) {
            QTest::newRow(name) << QString::fromUtf8(fields) << QString::fromUtf8(keys);
        };
        row("start year 1959", "1|1|1959|6|7|2001", "rejected");
        row("end year 10000", "1|1|1990|6|7|10000", "rejected");
        row("start after end", "5|4|2000|5|3|2000", "rejected");
        // 19901161.5 and 20010602.5: the month's fraction counts, halves go to the even side.
        row("fractions", "11.6|1.5|1990|6|2.5|2001", "19901162 20010602");
    }
    void dateRange()
    {
        QFETCH(QString, fields);
        const QStringList f = fields.split(u'|');
        const auto range = checkDateRange({f[0], f[1], f[2], f[3], f[4], f[5]});
        QTEST(range ? QString("%1 %2").arg(range->startKey).arg(range->endKey) : "rejected",
              "keys");
    }

    // The days just before and after the range 1-1-1990 to 6-7-2001 and its first and last day,
    // printed: the texts after the headings of the first page, and the y of each rule, drawn
    // with its seven ticks. The break bound lies 1080 twips above the foot of the page; the
    // footer of a full page is placed from the page size ("Page 1" is 540 twips wide).
    void layout_data()
    {
        QTest::addColumn<double>("pageHeight");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QList<double>>("rules");
        // 64 characters are exactly 5760 twips, 12 exactly 1080: both still too wide.
        const QStringList firstDay{"1-1-1990@360,990", "12345678901@1485,990",
                                   QString(63, u'P') + "@2565,990", "$1.00 @9150,990",
                                   "@11130,990"};
        const QStringList lastDay{"6-7-2001@360,%1", "1042@1800,%1", "X@5355,%1", "$.05 @9240,%1",
                                  "$1,000,000.00 @9870,%1"};
        QTest::newRow("last line at the bound")
            << 2340.0
            << firstDay + QStringList(lastDay).replaceInStrings("%1", "1260") +
                   QStringList{"Page  1 @10440,14760"}
            << QList<double>{960, 1230, 1500};
        QTest::newRow("one twip lower breaks")
            << 2339.0
            << firstDay + QStringList{"Page  1 @10880,1999"} + headingsAt(0) +
                   QStringList(lastDay).replaceInStrings("%1", "270") +
                   QStringList{"Page  2 @10440,14760"}
            << QList<double>{960, 1230, 240, 510};
    }
    void layout()
    {
        QFETCH(double, pageHeight);
        QFETCH(QStringList, texts);
        QFETCH(QList<double>, rules);
        Checkbook book;
        book.entryCount = 4;
        book.slot[1] = Entry{1989, 12, 31, "", "X", 1, 0};
        book.slot[2] = Entry{1990, 1, 1, "123456789012345", QString(70, u'P'), 100, 0};
        book.slot[3] = Entry{2001, 6, 7, "1042", "X", 5, 100000000};
        book.slot[4] = Entry{2001, 6, 8, "", "X", 1, 0};
        Recording out;
        out.pageHeight = pageHeight;
        RecordingSurface surface(out);
        QCOMPARE(printReport(book, WholeRange, surface), std::nullopt);
        QStringList wanted{"Tallyra 1.3@0,0", "Report valid: 1-1-1990 to 6-7-2001@0,240", "@0,480"};
        wanted << headingsAt(720) << texts;
        QStringList printed; // "text@x,y", " bold" added for bold
        for (const Recording::Text &t : out.texts)
            printed
                << QString("%1@%2,%3%4").arg(t.text).arg(t.x).arg(t.y).arg(t.bold ? " bold" : "");
        QCOMPARE(printed, wanted);
        std::vector<QLineF> ruled;
        for (double y : rules) {
            ruled.emplace_back(0, y, 11520, y);
            for (double x : {0, 1440, 2520, 8280, 9720, 11160, 11500})
                ruled.emplace_back(x, y, x, y - 125);
        }
        QCOMPARE(out.lines, ruled);
        QCOMPARE(out.pages, texts.filter(QStringLiteral("Page ")).size());
        // Room to the rules' right end and below the last footer.
        QCOMPARE(out.fitted, QSizeF(11520, 15000));
    }

    // Every way out of the window, and the boxes on the way: a failed job offers its pages
    // as a PDF file, saved where the user says, or said why not and asked again.
    void window_data()
    {
        using Answers = QList<QMessageBox::StandardButton>;
        using Files = QList<std::optional<QString>>;
        QTest::addColumn<QString>("fault");   // a "bad date", "unmade" pages or a "refused" job
        QTest::addColumn<Answers>("answers"); // to the message boxes, in turn
        QTest::addColumn<Files>("files");     // to the save dialogs; none cancels
        QTest::addColumn<QStringList>("boxes");
        const auto row = [](const char *name, const char *fault, const Answers &answers,
                            const Files &files, const QStringList &boxes) {
            QTest::newRow(name) << QString(fault) << answers << files << boxes;
        };
        constexpr auto Ok = QMessageBox::Ok, Yes = QMessageBox::Yes, No = QMessageBox::No;
        const QStringList offered{"PRINT FAILED", "Save As PDF"};
        row("invalid range", "bad date", {Ok}, {}, {"ERROR"});
        row("printed", "", {}, {}, {});
        row("pages not made, nothing offered", "unmade", {Ok}, {}, {"PRINT FAILED"});
        row("refused, offer declined", "refused", {Ok, No}, {}, offered);
        row("refused, save cancelled", "refused", {Ok, Yes}, {std::nullopt}, offered);
        row("refused, saved after a failed write", "refused", {Ok, Yes, Ok, Ok},
            {"missing/copy.pdf", "copy.pdf"}, offered + QStringList{"SAVE FAILED", "Report Saved"});
    }
    void window()
    {
        QFETCH(QString, fault);
        QFETCH(QList<QMessageBox::StandardButton>, answers);
        QFETCH(QList<std::optional<QString>>, files);
        QFETCH(QStringList, boxes);
        TempWorkingFolder folder;
        FakePlatform fakes;
        Recording &out = fakes.printer.recording;
        if (fault == "unmade" || fault == "refused")
            (fault == "unmade" ? out.unmade : out.refusal) = fault;
        fakes.prompter.answers.assign(answers.begin(), answers.end());
        fakes.prompter.fileAnswers.assign(files.begin(), files.end());
        const DocumentOf held(registerOf(QStringLiteral("5/3W")));
        FrmPrint window(held.document, fakes.platform);
        window.show();
        const bool badDate = fault == "bad date";
        child<QComboBox>(&window, "txtStartMonth")->setEditText(badDate ? "13" : "05");
        child<QPushButton>(&window, "cmdPrint")->click();

        QVERIFY(!window.isVisible());
        QCOMPARE(fakes.prompter.titles(), boxes);
        QVERIFY(fakes.prompter.answers.empty() && fakes.prompter.fileAnswers.empty());
        QCOMPARE(fakes.prompter.beeps, badDate ? 1 : 0);
        QCOMPARE(out.texts.size() > 1 ? out.texts[1].text : QString(),
                 badDate ? QString() : QStringLiteral("Report valid: 05-1-1990 to 6-7-2001"));
        // The file that holds the report, if any.
        const QString saved = boxes.contains("Report Saved") ? *files.back() : QString();
        QCOMPARE(QDir().entryList(QDir::Files).join(u'|'), saved);
        // What the main window's status bar then says.
        QCOMPARE(window.reportSentAs(), fault.isEmpty()   ? "Sent to Fake as job 1"
                                        : saved.isEmpty() ? ""
                                                          : "Report saved as " + saved);
        if (!saved.isEmpty()) {
            QVERIFY(fileBytes(saved).contains("Report valid: 05-1-1990 to 6-7-2001"));
            QVERIFY(fakes.prompter.shown.back().text.endsWith(saved));
            // Asked again at the place that failed; first at a dated name.
            QCOMPARE(fakes.prompter.suggestedFiles.back(), *files.front());
        }
        if (!files.isEmpty())
            QVERIFY(
                fakes.prompter.suggestedFiles.front().endsWith("/tallyra-report-2001-06-07.pdf"));
    }

    // Preview comes after Print, on an access key of its own, and shows as many pages as the
    // printer gets on its paper. Its Print prints them and closes the window; its Close goes
    // back to the window, with nothing printed. tst_printing compares it with a real queue's.
    void preview_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("closed") << "cmdClose";
        QTest::newRow("printed") << "cmdPrint";
    }
    void preview()
    {
        QFETCH(QString, button);
        FakePlatform fakes;
        const DocumentOf held(januaryDays(120));
        FrmPrint window(held.document, fakes.platform);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *cmdPreview = child<QPushButton>(&window, "cmdPreview");
        auto *cmdPrint = child<QPushButton>(&window, "cmdPrint");
        cmdPrint->setFocus();
        QTest::keyClick(cmdPrint, Qt::Key_Tab);
        QCOMPARE(window.focusWidget(), cmdPreview);
        QStringList keys;
        for (const QPushButton *other : window.findChildren<QPushButton *>())
            keys << QKeySequence::mnemonic(other->text()).toString();
        for (const QLabel *label : window.findChildren<QLabel *>())
            keys << QKeySequence::mnemonic(label->text()).toString();
        keys.removeAll(QString());
        QCOMPARE(keys.count(QKeySequence::mnemonic(cmdPreview->text()).toString()), 1);

        int previewed = 0;
        NextModal<ReportPreview> preview([&](ReportPreview *shown) {
            previewed = shown->pageCount();
            child<QPushButton>(shown, button)->click();
        });
        // An access key clicks its button a moment later.
        QTest::keyClick(&window, Qt::Key_V, Qt::AltModifier);
        QTRY_VERIFY(preview.handled());
        const bool printed = button == "cmdPrint";
        QCOMPARE(window.isVisible(), !printed);
        QCOMPARE(window.reportSentAs(), printed ? "Sent to Fake as job 1" : "");
        // The printer's paper holds as many pages as the preview showed.
        QVERIFY(previewed > 1);
        QCOMPARE(fakes.printer.recording.texts.empty() ? 0 : fakes.printer.recording.pages,
                 printed ? previewed : 0);
        window.close();
    }

    // Print with a print server that never answers: the window shows that it waits, with
    // Cancel, and ends in PRINT FAILED with the PDF offer when the limit passes, or at once
    // when the user cancels.
    void silentPrintServer_data()
    {
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("reason");
        QTest::newRow("waited out")
            << false << "the printing system did not answer within 2 seconds.";
        QTest::newRow("cancelled") << true << "you stopped waiting for the printing system.";
    }
    void silentPrintServer()
    {
#ifdef Q_OS_WIN
        QSKIP("Windows programs print through the system's spooler, not to a print server");
#else
        QFETCH(bool, cancel);
        QFETCH(QString, reason);
        const SilentServer server;
        qputenv("CUPS_SERVER", QByteArray("127.0.0.1:") + QByteArray::number(server.port));
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
        QTemporaryDir folder;
        const QString saved = folder.filePath("report.pdf");
        FakePlatform fakes;
        DefaultPrinter printer(std::chrono::seconds(2));
        Platform platform{fakes.prompter, fakes.clock, fakes.programEnd,
                          fakes.drive,    printer,     fakes.settings};
        fakes.prompter.answers = {QMessageBox::Ok, QMessageBox::Yes, QMessageBox::Ok};
        fakes.prompter.fileAnswers = {saved};
        const DocumentOf held(januaryDays(3));
        FrmPrint window(held.document, platform);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        // Watches for the box while the window waits: it shows only if the window is not frozen.
        QString shown;
        QTimer look;
        connect(&look, &QTimer::timeout, this, [&] {
            auto *box = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget());
            if (!box || !shown.isEmpty())
                return;
            shown = box->labelText();
            if (cancel)
                QTest::mouseClick(box->findChild<QPushButton *>(), Qt::LeftButton);
        });
        look.start(10);
        QElapsedTimer clock;
        clock.start();
        child<QPushButton>(&window, QStringLiteral("cmdPrint"))->click();
        const qint64 took = clock.elapsed();

        QCOMPARE(shown, "Looking for the default printer...");
        QVERIFY2(cancel ? took < 1500 : took >= 1700 && took < 6000,
                 qPrintable(QString::number(took)));
        QCOMPARE(fakes.prompter.titles(),
                 (QStringList{"PRINT FAILED", "Save As PDF", "Report Saved"}));
        QCOMPARE(fakes.prompter.shown.front().text, "Nothing was printed: " + reason);
        QVERIFY(fileBytes(saved).startsWith("%PDF"));
#endif
    }

    // The real surface: a PDF file that cannot be made gives its reason. Through the real
    // default printer with no print server to answer, the pages are still made, every entry
    // and a footer on each page, and the reason is given; saving them replaces a file whole
    // or not at all. What a real PDF reads as is read back in tst_printing.
    void printerSurface()
    {
        QTemporaryDir folder;
        const QString unmade = folder.filePath("missing/report.pdf");
        auto pdf = std::make_unique<QPrinter>();
        pdf->setOutputFileName(unmade);
        PrinterSurface refusing(std::move(pdf));
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QCOMPARE(printReport(januaryDays(1), WholeRange, refusing),
                 "the file \"" + unmade + "\" refused the job.");

#ifdef Q_OS_WIN
        // The tests run where Windows has no printer at all (wine-run.sh hides the print
        // server's queues).
        const QString reason = QStringLiteral("there is no default printer.  ");
#else
        qputenv("CUPS_SERVER", QFile::encodeName(folder.filePath("none.sock")));
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
        const QString reason = QStringLiteral("the printing system did not answer: ");
#endif
        DefaultPrinter printer;
        const std::unique_ptr<ReportJob> job = printer.startJob();
        QCOMPARE(printReport(januaryDays(120), WholeRange, job->surface()), std::nullopt);
        const std::optional<QString> refused = job->submit();
        QVERIFY2(refused && refused->startsWith(reason), qPrintable(refused.value_or("printed")));

        const QString path = folder.filePath("kept.pdf");
        writeBytes(path, "earlier");
        QVERIFY(job->saveAsPdf(folder.filePath("missing/kept.pdf")));
        QCOMPARE(fileBytes(path), "earlier");
        QCOMPARE(job->saveAsPdf(path), std::nullopt);
        const QByteArray saved = fileBytes(path);
        QVERIFY(saved.startsWith("%PDF"));

        // A disk that fills during the save leaves the earlier file whole.
        WITH_FILE_SIZE_LIMIT(1000, [&] { QVERIFY(job->saveAsPdf(path)); });
        QCOMPARE(fileBytes(path), saved);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"kept.pdf"});
    }

    // Any paper: on Letter the pages are laid out as the columns say; narrower paper scales
    // each page as a whole. Read back from the PDF, no word leaves the printable area, none
    // overlaps another and every amount is whole.
    void paperSizes_data()
    {
        QTest::addColumn<QPageSize::PageSizeId>("paper");
        QTest::addColumn<double>("scale"); // the printable width over the columns' 8 inches
        QTest::newRow("Letter") << QPageSize::Letter << 1.0;
        // Qt gives A4 a width of 595 points.
        QTest::newRow("A4") << QPageSize::A4 << (595 - 36) / 576.0;
    }
    void paperSizes()
    {
#ifdef Q_OS_WIN
        QSKIP("the PDF is read back with poppler's pdftotext, a Linux program");
#endif
        QFETCH(QPageSize::PageSizeId, paper);
        QFETCH(double, scale);
        QTemporaryDir folder;
        const QString path = folder.filePath("report.pdf");
        auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
        pdf->setOutputFileName(path);
        constexpr double Margin = 18;
        pdf->setPageLayout(QPageLayout(QPageSize(paper), QPageLayout::Portrait,
                                       QMarginsF(Margin, Margin, Margin, Margin),
                                       QPageLayout::Point));
        // pdftotext rounds a little.
        const QRectF printable =
            pdf->pageLayout().paintRect(QPageLayout::Point).adjusted(-0.01, -0.01, 0.01, 0.01);
        {
            PrinterSurface surface(std::move(pdf));
            QCOMPARE(printReport(widestEntries(), WholeRange, surface), std::nullopt);
        }
        const QList<Word> words = pdfWords(path);
        QCOMPARE(words.back().page, 2);
        QStringList amounts;
        QList<qsizetype> payees;
        for (const Word &word : words) {
            QVERIFY2(printable.contains(word.box), qPrintable(word.text));
            if (word.text.contains(u'$'))
                amounts << word.text;
            if (word.text.startsWith("WW"))
                payees << word.text.size();
            for (const Word &other : words)
                QVERIFY2(&other == &word || other.page != word.page ||
                             !other.box.intersects(word.box),
                         qPrintable(word.text + " over " + other.text));
        }
        QCOMPARE(amounts.mid(0, 4), (QStringList{"-$21,474,836.48", "$21,474,836.47",
                                                 "-$21,474,836.48", "$21,474,836.47"}));
        // Only a payee beside a wide withdrawal (entries 1 and 3) is cut shorter than its column.
        QVERIFY(payees[0] < payees[1] && payees[2] < payees[0] && payees[3] == payees[1]);
        // Centred headings, and the last footer's fixed place, where the scale puts them.
        const auto box = [&](const QString &text, bool last) {
            const auto named = [&](const Word &word) { return word.text == text; };
            return last ? std::find_if(words.rbegin(), words.rend(), named)->box
                        : std::find_if(words.begin(), words.end(), named)->box;
        };
        const auto placed = [&](double twips) { return Margin + scale * twips / 20; };
        QVERIFY(qAbs(box("Payee", false).center().x() - placed(5400)) < 0.1);
        QVERIFY(qAbs(box("x", false).center().x() - placed(11340)) < 0.1);
        QVERIFY(qAbs(box("Page", true).left() - placed(10440)) < 0.1);
        QVERIFY(qAbs(box("Page", true).top() - placed(14760)) < 0.1);
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
