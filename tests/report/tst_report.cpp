#include "TestSupport.h"
#include "platform/PrinterSurface.h"
#include "report/ReportLayout.h"
#include "report/frmPrint.h"

#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

using namespace tallyra;
using namespace tallyra::test;

Q_DECLARE_METATYPE(tallyra::Entry)

namespace {

// Start month, day, year and end month, day, year, split at "|".
DateFields typed(const QString &fields)
{
    const QStringList f = fields.split(QLatin1Char('|'));
    return {f[0], f[1], f[2], f[3], f[4], f[5]};
}

const ReportRange WholeRange{19900101, 20010607, typed(QStringLiteral("1|1|1990|6|7|2001"))};

Entry entry(int year, int month, int day, const QString &payee, qint32 out = 100, qint32 in = 0,
            const QString &check = QStringLiteral("1042"))
{
    return {qint16(year), qint16(month), qint16(day), check, payee, out, in};
}

Checkbook bookOf(const std::vector<Entry> &entries)
{
    Checkbook book;
    book.entryCount = qint16(entries.size());
    std::copy(entries.begin(), entries.end(), book.slot.begin() + 1);
    return book;
}

// One "text@x,y" per printed text (" bold" added for bold), on one page or all.
QStringList described(const Recording &out, int page = 0)
{
    QStringList list;
    for (const Recording::Text &t : out.texts) {
        if (page == 0 || t.page == page)
            list << QStringLiteral("%1@%2,%3").arg(t.text).arg(t.x).arg(t.y) +
                        (t.bold ? " bold" : "");
    }
    return list;
}

QStringList headingsAt(double y)
{
    QStringList list;
    for (const char *at :
         {"Date@520", "Chk Num@1630", "Payee@5150", "Withdrawal@8500", "Deposit@10090", "x@11290"})
        list << QStringLiteral("%1,%2 bold").arg(QLatin1String(at)).arg(y);
    return list;
}

// The rule and its seven ticks at y.
std::vector<QLineF> ruleAt(double y)
{
    std::vector<QLineF> lines{QLineF(0, y, 11520, y)};
    for (double x : {0, 1440, 2520, 8280, 9720, 11160, 11500})
        lines.emplace_back(x, y, x, y - 125);
    return lines;
}

// A PDF file on a Letter page with quarter-inch margins.
std::unique_ptr<QPrinter> pdfPrinter(const QString &path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                       QMarginsF(18, 18, 18, 18), QPageLayout::Point));
    return printer;
}

} // namespace

// The layout is checked on a recording surface with fixed metrics: 90 twips a character (100
// in bold), 240 a line. Page 1 rows start at y 990 and take 270 twips each.
class TestReport : public QObject
{
    Q_OBJECT

private slots:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void dateRange_data()
    {
        QTest::addColumn<QString>("fields");
        QTest::addColumn<int>("startKey"); // 0: rejected
        QTest::addColumn<int>("endKey");
        const auto row = [](const char *name, const char *fields, int start, int end = 20010607) {
            QTest::newRow(name) << QString::fromUtf8(fields) << start << end;
        };
        row("start year 1959", "1|1|1959|6|7|2001", 0);
        row("start year 1960", "1|1|1960|6|7|2001", 19600101);
        row("end year 9999", "1|1|1990|6|7|9999", 19900101, 99990607);
        row("end year 10000", "1|1|1990|6|7|10000", 0);
        row("month 0", "0|1|1990|6|7|2001", 0);
        row("month 13", "1|1|1990|13|7|2001", 0);
        row("month 11.6 keeps its fraction", "11.6|1|1990|6|7|2001", 19901161);
        row("month 12.4", "1|1|1990|12.4|7|2001", 0);
        row("day 0", "1|1|1990|6|0|2001", 0);
        row("day 32", "1|32|1990|6|7|2001", 0);
        row("day 31 in February", "1|1|1990|2|31|2003", 19900101, 20030231);
        row("start equals end", "5|3|2000|5|3|2000", 20000503, 20000503);
        row("start after end", "5|4|2000|5|3|2000", 0);
        row("half rounds up to even", "1|1.5|1990|6|7|2001", 19900102);
        row("half rounds down to even", "1|2.5|1990|6|7|2001", 19900102);
    }
    void dateRange()
    {
        QFETCH(QString, fields);
        QFETCH(int, startKey);
        const std::optional<ReportRange> range = checkDateRange(typed(fields));
        QCOMPARE(range ? range->startKey : 0, startKey);
        if (range)
            QTEST(range->endKey, "endKey");
    }

    void onePage_data()
    {
        QTest::addColumn<Entry>("line");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("nothing selected") << entry(1989, 12, 31, "BEFORE") << QStringList();
        QTest::newRow("withdrawal")
            << entry(2000, 5, 3, "WATER", 123456)
            << QStringList{"5-3-2000@360,990", "1042@1800,990", "WATER@5175,990",
                           "$1,234.56 @8790,990", "@11130,990"};
        QTest::newRow("both amounts 0") << entry(2000, 12, 25, "VOID", 0, 0, "99")
                                        << QStringList{"12-25-2000@270,990", "99@1890,990",
                                                       "VOID@5220,990", "@9690,990", "@11130,990"};
        QTest::newRow("both amounts")
            << entry(2001, 1, 2, "X", 5, 100000000)
            << QStringList{"1-2-2001@360,990", "1042@1800,990", "X@5355,990", "$.05 @9240,990",
                           "$1,000,000.00 @9870,990"};
        // 64 characters are exactly 5760 twips, 12 exactly 1080: both still too wide.
        QTest::newRow("long payee and check number")
            << entry(2001, 1, 2, QString(70, QLatin1Char('P')), 100, 0, "123456789012345")
            << QStringList{"1-2-2001@360,990", "12345678901@1485,990",
                           QString(63, QLatin1Char('P')) + "@2565,990", "$1.00 @9150,990",
                           "@11130,990"};
    }
    void onePage()
    {
        QFETCH(Entry, line);
        QFETCH(QStringList, texts);
        Recording out;
        RecordingSurface surface(out);
        QCOMPARE(printReport(bookOf({line}), WholeRange, surface), std::nullopt);
        QCOMPARE(
            described(out),
            QStringList({"Tallyra 1.3@0,0", "Report valid: 1-1-1990 to 6-7-2001@0,240", "@0,480"})
                << headingsAt(720) << texts << "Page  1 @10440,14760");
        std::vector<QLineF> rules = ruleAt(960);
        for (const QLineF &line : texts.isEmpty() ? std::vector<QLineF>() : ruleAt(1230))
            rules.push_back(line);
        QCOMPARE(out.lines, rules);
        QCOMPARE(out.pages, 1);
        QCOMPARE(out.ends, 1);
        QCOMPARE(out.fontSize, 10.0);
    }

    void pages_data()
    {
        QTest::addColumn<double>("pageHeight");
        QTest::addColumn<QString>("range");
        QTest::addColumn<QList<int>>("pageOfEntry"); // 0: not printed
        const QString all = QStringLiteral("1|1|1990|6|7|2001");
        QTest::newRow("y equal to the bound stays") << 2880.0 << all << QList<int>{1, 1, 1, 1, 2};
        QTest::newRow("one twip lower breaks") << 2879.0 << all << QList<int>{1, 1, 1, 2, 2};
        QTest::newRow("three pages")
            << 2880.0 << all << QList<int>{1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3};
        QTest::newRow("both ends of the range")
            << 15120.0 << "1|2|2000|1|4|2000" << QList<int>{0, 1, 1, 1, 0};
    }
    void pages()
    {
        QFETCH(double, pageHeight);
        QFETCH(QString, range);
        QFETCH(QList<int>, pageOfEntry);
        std::vector<Entry> entries;
        for (int day = 1; day <= pageOfEntry.size(); ++day)
            entries.push_back(entry(2000, 1, day, QStringLiteral("E%1").arg(day)));
        Recording out;
        out.pageHeight = pageHeight;
        out.pageWidth = 12000;
        RecordingSurface surface(out);
        printReport(bookOf(entries), *checkDateRange(typed(range)), surface);

        QList<int> pages(pageOfEntry.size(), 0);
        for (const Recording::Text &t : out.texts) {
            if (t.text.startsWith(QLatin1Char('E')))
                pages[t.text.mid(1).toInt() - 1] = t.page;
        }
        QCOMPARE(pages, pageOfEntry);
        QCOMPARE(out.pages, *std::max_element(pages.begin(), pages.end()));
        // A new page starts with the headings, then the entry below their rule; the page
        // before ends with its footer placed from the page size ("Page n" is 540 twips wide).
        for (int page = 2; page <= out.pages; ++page) {
            QCOMPARE(described(out, page).mid(0, 6), headingsAt(0));
            QVERIFY(described(out, page).at(6).endsWith(QLatin1String(",270")));
            QCOMPARE(described(out, page - 1).back(),
                     QStringLiteral("Page  %1 @11360,%2").arg(page - 1).arg(pageHeight - 340));
        }
        QCOMPARE(described(out).back(), QStringLiteral("Page  %1 @10440,14760").arg(out.pages));
    }

    void window_data()
    {
        QTest::addColumn<QString>("startMonth"); // typed over the default
        QTest::addColumn<QString>("action");     // a button, or a key in the start month
        QTest::addColumn<QString>("printer");    // "missing" or "refusing" when it fails
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("printed"); // the range line and the entry's payee
        const auto row = [](const char *name, const char *month, const char *action,
                            const char *printer, const char *box, const char *printed) {
            QTest::newRow(name) << month << action << printer << box << printed;
        };
        row("Enter prints as typed", "05", "Return", "", "",
            "Report valid: 05-1-1990 to 6-7-2001 RENT");
        row("invalid range", "13", "cmdPrint", "", "ERROR: Invalid date entry. Exiting print", "");
        row("Cancel", "1", "cmdCancel", "", "", "");
        row("Esc", "1", "Escape", "", "", "");
        row("no printer", "1", "cmdPrint", "missing",
            "PRINT FAILED: Nothing was printed: it is missing.", "");
        row("job refused", "1", "cmdPrint", "refusing",
            "PRINT FAILED: Nothing was printed: it is refusing.",
            "Report valid: 1-1-1990 to 6-7-2001 RENT");
    }
    void window()
    {
        QFETCH(QString, startMonth);
        QFETCH(QString, action);
        QFETCH(QString, printer);
        QFETCH(QString, box);
        QFETCH(QString, printed);
        FakePlatform fakes;
        const QString why = "it is " + printer + '.';
        if (printer == "missing")
            fakes.printer.missing = why;
        if (printer == "refusing")
            fakes.printer.recording.refusal = why;
        const Checkbook book = bookOf({entry(2000, 5, 3, "RENT")});
        FrmPrint window(book, fakes.platform);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QLineEdit *month = child<QComboBox>(&window, QStringLiteral("txtStartMonth"))->lineEdit();
        month->selectAll();
        QTest::keyClicks(month, startMonth);
        fakes.prompter.answers = {QMessageBox::Ok};
        if (action.startsWith(QLatin1String("cmd")))
            QTest::mouseClick(child<QPushButton>(&window, action), Qt::LeftButton);
        else
            QTest::keyClick(month, QKeySequence(action)[0].key());

        QVERIFY(!window.isVisible());
        QStringList boxes;
        for (const FakePrompter::Shown &b : fakes.prompter.shown)
            boxes << b.title + ": " + b.text +
                         (b.icon == QMessageBox::Critical ? "" : ", not critical");
        QCOMPARE(boxes, box.isEmpty() ? QStringList() : QStringList{box});
        QCOMPARE(fakes.prompter.beeps, box.startsWith(QLatin1String("ERROR")) ? 1 : 0);
        const Recording &out = fakes.printer.recording;
        QCOMPARE(out.texts.size() > 11 ? out.texts[1].text + ' ' + out.texts[11].text : QString(),
                 printed);
        QCOMPARE(out.ends, printed.isEmpty() ? 0 : 1);
    }

    // The real surface, writing a PDF file: every entry and a footer on each page.
    void printerSurface()
    {
        QTemporaryDir folder;
        std::vector<Entry> entries(120, entry(2000, 1, 1, QStringLiteral("PAYEE")));
        const QString path = folder.filePath(QStringLiteral("report.pdf"));
        PrinterSurface surface(pdfPrinter(path));
        QCOMPARE(printReport(bookOf(entries), WholeRange, surface), std::nullopt);

        QProcess pdfToText;
        pdfToText.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, "-"});
        QVERIFY2(pdfToText.waitForFinished(), "pdftotext is missing: run tools/install-deps.sh");
        const QString words = QString::fromUtf8(pdfToText.readAllStandardOutput());
        const qsizetype pages = words.count(QLatin1String("<page "));
        QVERIFY(pages >= 2);
        QCOMPARE(words.count(QLatin1String(">Page<")), pages);
        QCOMPARE(words.count(QLatin1String(">PAYEE<")), 120);
        QCOMPARE(words.count(QLatin1String(">Tallyra<")), 1);
        // The last footer starts 10440 twips (522 points) right of the printable area's left
        // edge, 18 points in, and 14760 twips down.
        const auto footer =
            QRegularExpression(R"re([\s\S]*xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>Page<)re")
                .match(words);
        QVERIFY(qAbs(footer.captured(1).toDouble() - 540) < 1);
        QVERIFY(qAbs(footer.captured(2).toDouble() - 756) < 4);
    }

    void refusedJobSaysWhy()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("missing/report.pdf"));
        PrinterSurface surface(pdfPrinter(path));
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QCOMPARE(printReport(bookOf({entry(2000, 1, 1, "RENT")}), WholeRange, surface),
                 QStringLiteral("the file \"%1\" refused the job.").arg(path));
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
