#include "FakePlatform.h"
#include "RecordingSurface.h"
#include "TestSupport.h"
#include "app/frmMoney.h"
#include "platform/PrinterSurface.h"
#include "register/DataFile.h"
#include "report/ReportLayout.h"
#include "report/frmPrint.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
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

ReportRange wholeRange()
{
    return {19900101, 20010607, typed("1|1|1990|6|7|2001")};
}

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
            list << QStringLiteral("%1@%2,%3%4")
                        .arg(t.text)
                        .arg(t.x)
                        .arg(t.y)
                        .arg(t.bold ? " bold" : "");
    }
    return list;
}

QStringList headingsAt(double y)
{
    QStringList list;
    for (auto [text, x] : {std::pair{"Date", 520},
                           {"Chk Num", 1630},
                           {"Payee", 5150},
                           {"Withdrawal", 8500},
                           {"Deposit", 10090},
                           {"x", 11290}})
        list << QStringLiteral("%1@%2,%3 bold").arg(QLatin1String(text)).arg(x).arg(y);
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

} // namespace

class TestDateRange : public QObject
{
    Q_OBJECT

private slots:
    void checks_data()
    {
        QTest::addColumn<QString>("fields");
        QTest::addColumn<int>("startKey"); // 0: rejected
        QTest::addColumn<int>("endKey");
        const auto row = [](const char *name, const char *fields, int start, int end = 20010607) {
            QTest::newRow(name) << QString::fromUtf8(fields) << start << end;
        };
        row("defaults", "1|1|1990|6|7|2001", 19900101);
        row("start year 1959", "1|1|1959|6|7|2001", 0);
        row("start year 1960", "1|1|1960|6|7|2001", 19600101);
        row("end year 9999", "1|1|1990|6|7|9999", 19900101, 99990607);
        row("end year 10000", "1|1|1990|6|7|10000", 0);
        row("month 0", "0|1|1990|6|7|2001", 0);
        row("month 13", "1|1|1990|13|7|2001", 0);
        row("month empty", "|1|1990|6|7|2001", 0);
        row("month 11.6 keeps its fraction", "11.6|1|1990|6|7|2001", 19901161);
        row("month 12.4", "1|1|1990|12.4|7|2001", 0);
        row("day 0", "1|1|1990|6|0|2001", 0);
        row("day 31 in February", "1|1|1990|2|31|2003", 19900101, 20030231);
        row("start equals end", "5|3|2000|5|3|2000", 20000503, 20000503);
        row("start after end", "5|4|2000|5|3|2000", 0);
        row("blanks around 7", " 7 |1|1990|6|7|2001", 19900701);
        row("0 and 7 apart", "0 7|1|1990|6|7|2001", 19900701);
        row("July", "July|1|1990|6|7|2001", 0);
        row("5th", "1|5th|1990|6|7|2001", 19900105);
        row("half rounds up to even", "1|1.5|1990|6|7|2001", 19900102);
        row("half rounds down to even", "1|2.5|1990|6|7|2001", 19900102);
    }
    void checks()
    {
        QFETCH(QString, fields);
        QFETCH(int, startKey);
        const std::optional<ReportRange> range = checkDateRange(typed(fields));
        QCOMPARE(range.has_value(), startKey != 0);
        if (!range)
            return;
        QCOMPARE(range->startKey, startKey);
        QTEST(range->endKey, "endKey");
        QCOMPARE(range->typed.startMonth, typed(fields).startMonth);
    }
};

// Fixed metrics: 90 twips a character (100 in bold), 240 a line. Page 1 rows start at y 990
// and take 270 twips each.
class TestReportLayout : public QObject
{
    Q_OBJECT

private slots:
    void firstPageWhenNothingIsSelected()
    {
        Recording out;
        RecordingSurface surface(out);
        const Checkbook book = bookOf({entry(1989, 12, 31, "BEFORE"), entry(2001, 6, 8, "AFTER")});
        QCOMPARE(printReport(book, wholeRange(), surface), std::nullopt);

        QCOMPARE(
            described(out),
            QStringList({"Tallyra 1.3@0,0", "Report valid: 1-1-1990 to 6-7-2001@0,240", "@0,480"})
                << headingsAt(720) << "Page  1 @10440,14760");
        QCOMPARE(out.lines, ruleAt(960));
        QCOMPARE(out.pages, 1);
        QCOMPARE(out.ends, 1);
        QCOMPARE(out.mediumQualityCalls, 1);
        QCOMPARE(out.outputBeforeQuality, size_t(0));
        QCOMPARE(out.fontSize, 10.0);
    }

    void entryLine_data()
    {
        QTest::addColumn<Entry>("line");
        QTest::addColumn<QStringList>("texts");
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
    void entryLine()
    {
        QFETCH(Entry, line);
        Recording out;
        RecordingSurface surface(out);
        printReport(bookOf({line}), wholeRange(), surface);
        QTEST(described(out).mid(9, 5), "texts");
        QCOMPARE(std::vector<QLineF>(out.lines.begin() + 8, out.lines.end()), ruleAt(1230));
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
        const int last = out.pages;
        QCOMPARE(last, *std::max_element(pages.begin(), pages.end()));
        for (int page = 2; page <= last; ++page) {
            const QStringList texts = described(out, page);
            QCOMPARE(texts.mid(0, 6), headingsAt(0));
            const QString date = QStringLiteral("1-%1-2000").arg(pages.indexOf(page) + 1);
            QCOMPARE(texts.at(6),
                     QStringLiteral("%1@%2,270").arg(date).arg(720 - date.size() * 45));
            // The page before ends with its footer placed from the page size; "Page n" is 540
            // twips wide.
            QCOMPARE(described(out, page - 1).back(),
                     QStringLiteral("Page  %1 @11360,%2").arg(page - 1).arg(pageHeight - 340));
        }
        QCOMPARE(described(out, last).back(), QStringLiteral("Page  %1 @10440,14760").arg(last));
    }

    void ruleRoundsToWholeTwipsHalvesToEven()
    {
        for (auto [startY, ruleY] : {std::pair{0.5, 240.0}, {1.5, 242.0}, {10.7, 251.0}}) {
            Recording out;
            RecordingSurface surface(out);
            surface.setCurrentY(startY);
            printColumnHeadings(surface);
            QCOMPARE(out.lines, ruleAt(ruleY));
            QCOMPARE(surface.currentY(), ruleY + 30);
        }
    }
};

class TestFrmPrint : public QObject
{
    Q_OBJECT

    struct Fixture
    {
        FakePlatform fakes;
        Checkbook book = bookOf({entry(2000, 5, 3, "RENT")});
        FrmPrint window{book, fakes.platform};

        QComboBox *field(const QString &name) { return child<QComboBox>(&window, name); }
        QPushButton *button(const char *name) { return child<QPushButton>(&window, name); }
        void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }
    };

    // The named control holding the focus (an edit field's inner line edit has no name).
    static QString focusName()
    {
        QWidget *widget = QApplication::focusWidget();
        while (widget && widget->objectName().isEmpty())
            widget = widget->parentWidget();
        return widget ? widget->objectName() : QString();
    }

private slots:
    void init() { failOnUnexpectedWarnings(); }
    void cleanup() { QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty()); }

    void opensWithItsControls()
    {
        Fixture f;
        f.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QCOMPARE(f.window.windowTitle(), QStringLiteral("Print Report"));
        QCOMPARE(f.window.minimumSize(), f.window.maximumSize());
        QVERIFY(f.button("cmdPrint")->isDefault());
        QCOMPARE(f.button("cmdPrint")->text(), QStringLiteral("&Print"));
        QCOMPARE(f.button("cmdCancel")->text(), QStringLiteral("&Cancel"));
        for (auto [name, text] : {std::pair{"Label1", "Start Date:"}, {"Label2", "End Date:"}}) {
            auto *label = child<QLabel>(&f.window, QLatin1String(name));
            QCOMPARE(label->text(), QLatin1String(text));
            QVERIFY(label->font().bold());
            QVERIFY(label->alignment() & Qt::AlignRight);
        }
        QVERIFY(f.field("txtStartYear")->width() > f.field("txtStartMonth")->width());

        // Tab order, with each field's text and tooltip on the way.
        const QString expected =
            "txtStartMonth 1 Month, txtStartDay 1 Day, txtStartYear 1990 Year, "
            "txtEndMonth 6 Month, txtEndDay 7 Day, txtEndYear 2001 Year, "
            "cmdPrint, cmdCancel, txtStartMonth 1 Month";
        QStringList seen;
        for (int i = 0; i < 9; ++i) {
            const QString name = focusName();
            auto *field = name.startsWith(QLatin1String("txt")) ? f.field(name) : nullptr;
            seen << (field ? QStringLiteral("%1 %2 %3")
                                 .arg(name, field->currentText(), field->toolTip())
                           : name);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(seen.join(QLatin1String(", ")), expected);
        f.window.close();
    }

    void invalidRangeBeepsAndCloses()
    {
        Fixture f;
        f.window.show();
        f.field("txtStartYear")->setEditText(QStringLiteral("1959"));
        f.field("txtEndMonth")->setEditText(QStringLiteral("0"));
        f.fakes.prompter.answers = {QMessageBox::Ok};
        f.click("cmdPrint");

        QCOMPARE(f.fakes.prompter.beeps, 1);
        QCOMPARE(f.fakes.prompter.shown.size(), size_t(1)); // one box for two faults
        const auto &box = f.fakes.prompter.shown[0];
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.title, QStringLiteral("ERROR"));
        QCOMPARE(box.text, QStringLiteral("Invalid date entry. Exiting print"));
        QCOMPARE(box.buttons, QMessageBox::Ok);
        QCOMPARE(f.fakes.printer.opened, 0);
        QVERIFY(!f.window.isVisible());
    }

    void enterPrintsTheRangeAsTyped()
    {
        Fixture f;
        f.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QLineEdit *month = f.field("txtStartMonth")->lineEdit();
        month->selectAll();
        QTest::keyClicks(month, QStringLiteral("05"));
        QTest::keyClick(month, Qt::Key_Return);

        const Recording &out = f.fakes.printer.recording;
        QCOMPARE(f.fakes.printer.opened, 1);
        QCOMPARE(out.ends, 1);
        QCOMPARE(out.texts.at(1).text, QStringLiteral("Report valid: 05-1-1990 to 6-7-2001"));
        QCOMPARE(out.texts.at(11).text, QStringLiteral("RENT"));
        QCOMPARE(f.fakes.prompter.shown.size(), size_t(0));
        QVERIFY(!f.window.isVisible());
    }

    void cancelAndEscapePrintNothing()
    {
        for (bool escape : {false, true}) {
            Fixture f;
            f.window.show();
            QVERIFY(QTest::qWaitForWindowActive(&f.window));
            if (escape)
                QTest::keyClick(f.field("txtEndYear")->lineEdit(), Qt::Key_Escape);
            else
                f.click("cmdCancel");
            QVERIFY(!f.window.isVisible());
            QCOMPARE(f.fakes.printer.opened, 0);
        }
    }

    void printFailureIsReported()
    {
        for (bool noPrinter : {true, false}) {
            Fixture f;
            const QString reason = QStringLiteral("the printer \"P\" refused the job.");
            if (noPrinter)
                f.fakes.printer.missing = reason;
            else
                f.fakes.printer.recording.refusal = reason;
            f.window.show();
            f.fakes.prompter.answers = {QMessageBox::Ok};
            f.click("cmdPrint");

            QCOMPARE(f.fakes.prompter.titles(), QStringList{"PRINT FAILED"});
            QCOMPARE(f.fakes.prompter.shown[0].icon, QMessageBox::Critical);
            QCOMPARE(f.fakes.prompter.shown[0].text, "Nothing was printed: " + reason);
            QVERIFY(!f.window.isVisible());
        }
    }

    void printMenuOpensTheWindowModally()
    {
        TempWorkingFolder folder;
        writeBytes(QLatin1String(DataFileName), emptyDataFile());
        FakePlatform fakes;
        Checkbook book;
        FrmMoney main(book, fakes.platform);
        main.Form_Load();
        main.show();
        bool modal = false;
        NextModal<FrmPrint> print([&](FrmPrint *window) {
            modal = window->isModal();
            QTest::mouseClick(child<QPushButton>(window, QStringLiteral("cmdCancel")),
                              Qt::LeftButton);
        });
        child<QAction>(&main, QStringLiteral("mnuPrint"))->trigger();
        QVERIFY(print.handled());
        QVERIFY(modal);
    }
};

// The real surface, writing PDF files on a Letter page with quarter-inch margins.
class TestPrinterSurface : public QObject
{
    Q_OBJECT

    static std::unique_ptr<QPrinter> pdfPrinter(const QString &path)
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(path);
        printer->setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                                           QMarginsF(18, 18, 18, 18), QPageLayout::Point));
        return printer;
    }

    static QString pdfText(QStringList arguments)
    {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (tool.isEmpty())
            qFatal("pdftotext is missing: run tools/install-deps.sh");
        QProcess process;
        process.start(tool, arguments << QStringLiteral("-"));
        process.waitForFinished();
        return QString::fromUtf8(process.readAllStandardOutput());
    }

private slots:
    void init() { failOnUnexpectedWarnings(); }

    void multiPageReport()
    {
        TempWorkingFolder folder;
        std::vector<Entry> entries;
        for (int i = 1; i <= 120; ++i)
            entries.push_back(entry(2000, 1 + i / 31, 1 + i % 28,
                                    QStringLiteral("PAYEE %1").arg(i, 3, 10, QLatin1Char('0')),
                                    123456, 0, QString::number(2000 + i)));
        const QString path = folder.filePath(QStringLiteral("report.pdf"));
        PrinterSurface surface(pdfPrinter(path));
        QCOMPARE(printReport(bookOf(entries), wholeRange(), surface), std::nullopt);

        const qsizetype pageCount = fileBytes(path).count("/Type /Page\n");
        const QStringList pages =
            pdfText({QStringLiteral("-layout"), path}).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
        QVERIFY(pageCount >= 2);
        QCOMPARE(pages.size(), pageCount);
        QVERIFY(pages[0].trimmed().startsWith(
            QLatin1String("Tallyra 1.3\nReport valid: 1-1-1990 to 6-7-2001")));
        const QRegularExpression headings(
            QStringLiteral("Date +Chk Num +Payee +Withdrawal +Deposit +x"));
        const QRegularExpression row(
            QStringLiteral(R"(\d+-\d+-2000 +(\d{4}) +PAYEE (\d{3}) +\$1,234\.56$)"),
            QRegularExpression::MultilineOption);
        int next = 1;
        for (qsizetype page = 0; page < pages.size(); ++page) {
            QVERIFY(headings.match(pages[page]).hasMatch());
            for (const auto &match : row.globalMatch(pages[page])) {
                QCOMPARE(match.captured(1).toInt(), 2000 + next);
                QCOMPARE(match.captured(2).toInt(), next++);
            }
            QVERIFY(QRegularExpression(QStringLiteral("Page +%1\\s*$").arg(page + 1))
                        .match(pages[page])
                        .hasMatch());
        }
        QCOMPARE(next, 121);

        // The last footer starts 10440 twips (522 points) right of the printable area's left
        // edge, 18 points in, and 14760 twips down.
        const QString words = pdfText(
            {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(pageCount), path});
        const auto footer =
            QRegularExpression(QStringLiteral(R"re(xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>Page<)re"))
                .match(words);
        QVERIFY(footer.hasMatch());
        QVERIFY(qAbs(footer.captured(1).toDouble() - 540) < 1);
        QVERIFY(qAbs(footer.captured(2).toDouble() - 756) < 4);
    }

    void refusedJobSaysWhy()
    {
        TempWorkingFolder folder;
        const QString path = folder.filePath(QStringLiteral("missing/report.pdf"));
        PrinterSurface surface(pdfPrinter(path));
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QCOMPARE(printReport(bookOf({entry(2000, 1, 1, "RENT")}), wholeRange(), surface),
                 QStringLiteral("the file \"%1\" refused the job.").arg(path));
        QVERIFY(!QFile::exists(path));
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TestDateRange range;
    TestReportLayout layout;
    TestFrmPrint window;
    TestPrinterSurface printer;
    int status = 0;
    for (QObject *test : std::initializer_list<QObject *>{&range, &layout, &window, &printer})
        status |= QTest::qExec(test, argc, argv);
    return status;
}

#include "tst_report.moc"
